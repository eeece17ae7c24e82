#include "soak/soak_world.h"

#include "text/native_path.h"
#include "text/utf16_text.h"

#include <algorithm>
#include <filesystem>

namespace {

const char* const InputNames[] = {
    "plain.txt",
    "two words.txt",
    "Ωμέγα φωτογραφία.jpg",
    "报告 二〇二四.txt",
    "Фото с отпуска.png",
    "café crème.gif",
    "日本語 ファイル.bmp",
    "emoji 😀 note.txt",
    "עברית מסמך.txt",
    "हिन्दी नोट.txt",
    "sub folder\\inner file.txt",
    "папка с файлами\\вложенный файл.jpeg",
    "文件夹\\图片 1.png",
};
const char* const InputFolders[] = {"sub folder", "папка с файлами", "文件夹"};
const char* const DoomedNames[] = {"deletable 1.txt", "deletable 2.txt", "удалить 😀.txt", "削除 ok.txt"};
// Outputs the shell opens harmlessly: nothing here runs as a program.
const char* const OutputNames[] = {"output.txt", "página web.htm", "出力 list.csv", "notes é.md", "new output.txt"};

// Texts in several scripts, for the input dialog.
const char* const Fragments[] = {"<UL>",  "</UL>", "Main ", "Ωμέγα ", "报告 ", "Фото ", "😀", "QZ_GETCOUNT",
                                 "QZ_NAME", " ",    "\r\n",  "é",     "%",     "\"",    "\\",  "<BR>"};

} // namespace

TSoakWorld::TSoakWorld(const std::string& templatesSource)
{
    Base = NameOfPath(Root.Folder());
    Program = MakeFolder("program") + "\\";
    Output = MakeFolder("out");
    MakeFolder("in");
    MakeFolder("doomed");
    MakeFolder("lists");

    for (const char* folder : InputFolders)
        Droppable.push_back(MakeFolder("in\\" + std::string(folder)));
    for (const char* name : InputNames)
        Droppable.push_back(Make("in\\" + std::string(name)));
    for (const char* name : DoomedNames)
        Doomed.push_back(Make("doomed\\" + std::string(name)));
    for (const char* name : OutputNames)
        Outputs.push_back(Output + "\\" + name);
    Make("out\\output.txt", "from before");
    Droppable.insert(Droppable.end(), Doomed.begin(), Doomed.end());
    Droppable.insert(Droppable.end(), Outputs.begin(), Outputs.end());
    Droppable.push_back(Base + "\\in\\not there.txt");

    // Lists of a few of the soak's names, one in the code page of old versions' lists.
    std::string mixed, few;
    for (std::size_t i = 0; i < Droppable.size(); ++i)
        mixed += Droppable[i] + "\r\n";
    for (std::size_t i = 0; i < 3; ++i)
        few += Droppable[i] + "\r\n";
    Lists = {Make("lists\\scripts mixed.lst", mixed), Make("lists\\few.lst", few), Make("lists\\empty.lst", ""),
             Base + "\\lists\\saved 1.lst", Base + "\\lists\\списки 2.lst", Base + "\\lists\\missing.lst"};

    // File by file: the library's recursive copy makes no folders under Windows.
    const std::filesystem::path from = NativePath(templatesSource);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(from)) {
        const std::filesystem::path to = NativePath(Program) / std::filesystem::relative(entry.path(), from);
        if (entry.is_directory()) {
            std::filesystem::create_directories(to);
        } else {
            std::filesystem::copy_file(entry.path(), to, std::filesystem::copy_options::overwrite_existing);
            if (to.extension() == ".hqd")
                Templates.push_back(NameOfPath(to));
        }
    }
    Templates.push_back(Program + "soak saved.hqd");
    Templates.push_back(Program + "сохранённый 😀.hqd");
}

std::string TSoakWorld::Make(const std::string& name, const std::string& bytes) const
{
    const std::string full = Base + "\\" + name;
    WriteBytes(full, bytes);
    return full;
}

std::string TSoakWorld::MakeFolder(const std::string& name) const
{
    const std::string full = Base + "\\" + name;
    std::filesystem::create_directories(NativePath(full));
    return full;
}

bool TSoakWorld::IsMadeForDeletion(const std::string& name) const
{
    return std::find(Doomed.begin(), Doomed.end(), name) != Doomed.end();
}

bool TSoakWorld::IsOutputFile(const std::string& name) const
{
    return std::find(Outputs.begin(), Outputs.end(), name) != Outputs.end() || name == Program + "dragtmp.htm";
}

void TSoakWorld::RemakeDeleted() const
{
    for (const std::string& name : Doomed)
        if (!std::filesystem::exists(NativePath(name)))
            WriteBytes(name, "soak");
}

std::string TSoakWorld::RandomText(std::mt19937_64& random, std::size_t maxUnits)
{
    std::string text;
    std::uniform_int_distribution<std::size_t> pick(0, std::size(Fragments) - 1);
    const std::size_t units = std::uniform_int_distribution<std::size_t>(0, maxUnits)(random);
    while (Utf16Length(text) < units)
        text += Fragments[pick(random)];
    return text;
}
