# The HTML list of the worked example, written directly in awk: names relative to C:\Web\
# with slashes, "<LI><A HREF="name">file.ext</A>" per line, framed by <UL> and the count.
function folder(p) { return match(p, /.*\\/) ? substr(p, 1, RLENGTH) : p }
function up(n,   s) { s = ""; while (n-- > 0) s = s "..\\"; return s }
function share(d,   rest, i, j) {
    rest = substr(d, 3); i = index(rest, "\\"); if (!i) return d
    j = index(substr(rest, i + 1), "\\"); return j ? substr(d, 1, 2 + i + j - 1) : d
}
function relative(path,   fd, lfd, lpath, rest, n, cand, lvl) {
    fd = folder(path); lfd = tolower(fd); lpath = tolower(path)
    if (lpath == lbase) return path
    if (substr(lfd, 1, length(bd)) == lbd) return substr(path, length(bd) + 1)
    if (substr(lbd, 1, length(fd)) == lfd) {
        rest = substr(bd, length(fd) + 1); n = gsub(/\\/, "", rest)
        return up(n) substr(path, length(fd) + 1)
    }
    if (!(substr(lbd, 1, 1) == substr(lfd, 1, 1) && substr(bd, 2, 1) == ":") &&
        !(substr(bd, 1, 2) == "\\\\" && substr(fd, 1, 2) == "\\\\" && index(fd, share(bd))))
        return path
    cand = substr(bd, 1, length(bd) - (substr(bd, length(bd)) == "\\")); lvl = 0
    while (substr(lfd, 1, length(cand) + 1) != tolower(cand) "\\" && lvl < 50) {
        lvl++; if (match(cand, /.*\\/)) cand = substr(cand, 1, RLENGTH - 1)
    }
    cand = cand "\\"
    if (substr(lpath, 1, length(cand)) == tolower(cand)) return up(lvl) substr(path, length(cand) + 1)
    return path
}
BEGIN {
    base = "C:\\Web\\"; bd = folder(base); lbd = tolower(bd); lbase = tolower(base)
    printf "<UL>\r\n"
}
{
    sub(/\r$/, "")
    rel = relative($0); gsub(/\\/, "/", rel)
    file = $0; sub(/.*[\\\/]/, "", file)
    printf "<LI><A HREF=\"%s\">%s</A>\r\n", rel, file
}
END { printf "</UL>\r\n%d files", NR }
