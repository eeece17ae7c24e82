// The automatic web pages: every file of the list as a picture or a link, on a page the
// browser opens, made with the program's own texts and given back the user's afterwards.
#include "app/base_dlg.h"

#include "app/launch.h"
#include "app/program_names.h"
#include "app/program_state.h"
#include "app/settings_location.h"

namespace {

const std::string PageHead = "<HTML><HEAD><TITLE>Tarvik Strandel generator</TITLE>\n"
                             "<FONT SIZE= \"+2\">Tarvik Strandel Web page </FONT>\n"
                             "<HR> </HEAD>\n"
                             "<!--DocHeaderStart-->\n"
                             "<BODY leftmargin=8 bgcolor=#E8E8FF VLINK=#666666 LINK=#FF0000 TEXT=#000000>\n"
                             "<FONT FACE=\"ARIAL,HELVETICA\" SIZE=2>\n"
                             "<!--DocHeaderEnd-->\n";

std::string PageFoot()
{
    return "\n<P><HR><P>\n<a href=\"" + std::string(HomePageAddress) + "\"> Strandel page</a>\n</BODY></HTML>";
}

// A text for the Header and Queue fields, which show line breaks as CR LF.
std::string ForField(const std::string& text)
{
    return text.substr(0, text.size() - 1) + "\r\n";
}

} // namespace

void BaseDlg::HtmlImages()
{
    MakeWebPage(true);
}

void BaseDlg::HtmlLink()
{
    MakeWebPage(false);
}

void BaseDlg::MakeWebPage(bool images)
{
    if (!CheckNotEmpty())
        return;
    ControlsToSettings();
    // The user's settings and texts, unsaved edits included, come back from here afterwards:
    // kept in memory, they come back even when the settings file cannot be written.
    const TSettings kept = *SettingsRecord;
    const std::string keptHeader = Header.GetText();
    const std::string keptQueue = Queue.GetText();
    SaveSettings(*SettingsRecord, *Profile, Header.GetText(FieldTextMax), Queue.GetText(FieldTextMax));

    const std::string folder = WebPageFolder(ProgramFolder);
    TSettings& page = *SettingsRecord;
    page.SetFileOutput(folder + "dragtmp.htm");
    page.RelPath = folder;
    if (images) {
        page.MainHead = PageHead + "<CENTER>\n";
        page.MainQueue = "\n</CENTER>\n" + PageFoot();
        Header.SetText("<IMG SRC=\"file:");
        Queue.SetText(ForField("\" ALT=\"QZ_DRIVEQZ_PATHQZ_NAMEQZ_EXT\" vspace=7 BORDER=0> <BR> QZ_NAMEQZ_EXT <P>\n"));
        SpecialExt = page.ImageExt;
        AltHeadQueue = {"<P align=left><LI><A HREF= \"file:",
                        "\">Open </A> QZ_DRIVEQZ_PATHQZ_NAMEQZ_EXT <CODE> Itsn't an image (" + page.ImageExt +
                            ").</P></CODE>\n"};
    } else {
        page.MainHead = PageHead;
        page.MainQueue = PageFoot();
        Header.SetText("<LI> <A HREF=\"file:");
        Queue.SetText(ForField("\"> Click here to open: QZ_NAMEQZ_EXT </A><BR> <P>\n"));
    }
    page.CheckIndex = Relative;
    page.InvertSlash = true;
    // The page's texts are plain HTML in UTF-8 whatever the user writes their own output in.
    page.MoreVariables = false;
    page.NameEscape = TEscape::None;
    page.OutputEncoding = TOutputEncoding::Utf8;
    page.LineEnds = TLineEnds::CrLf;
    SettingsToControls();

    MakingWebPage = true;
    const bool written = CreateOutput() == ECreated::Written;
    MakingWebPage = false;
    SpecialExt.clear();
    AltHeadQueue = {};
    // A page from an earlier run is not this list's page.
    if (written)
        Launch(Handle, page.FileOutput, SW_SHOWNORMAL);

    *SettingsRecord = kept;
    Header.SetText(keptHeader);
    Queue.SetText(keptQueue);
    SettingsToControls();
}
