#include "Preview.h"

#include "formats/BarPreview.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"

#include <cstdio>

bool PreviewSvgOf(const std::string& path, const std::string& bytes, std::string& svg, std::string& error)
{
    const std::string extension = platform::SplitPath(path).extension;
    const bool pad = EqualsNoCase(extension, ".tqp");
    if (!pad && !EqualsNoCase(extension, ".ttb")) {
        error = "only QuickPads (.tqp) and toolbars (.ttb) have a preview";
        return false;
    }
    const formats::ReadResult read = pad ? formats::QuickPadPreview(bytes, svg) : formats::ToolbarPreview(bytes, svg);
    if (!read)
        error = std::string("not a ") + (pad ? "QuickPad" : "toolbar") + ": " + read.Describe();
    return static_cast<bool>(read);
}

int PreviewFile(const std::vector<std::string>& arguments)
{
    std::string input, output;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size())
            output = arguments[++i];
        else if (input.empty() && arguments[i] != "-o")
            input = arguments[i];
        else {
            input.clear();
            break;
        }
    }
    if (input.empty() || output.empty()) {
        std::fprintf(stderr, "qtcm: usage: qtcm preview FILE.tqp|FILE.ttb -o OUT.svg\n");
        return 2;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(input, bytes)) {
        std::fprintf(stderr, "qtcm: %s: cannot read the file\n", input.c_str());
        return 2;
    }
    std::string svg, error;
    if (!PreviewSvgOf(input, bytes, svg, error)) {
        std::fprintf(stderr, "qtcm: %s: %s\n", input.c_str(), error.c_str());
        return 1;
    }
    std::string folder = platform::FolderOf(output);
    if (folder.size() > 1 && platform::IsPathSeparator(folder.back()))
        folder.pop_back();
    if (!folder.empty() && !platform::PathExists(folder)) {
        std::fprintf(stderr, "qtcm: %s: the folder %s does not exist\n", output.c_str(), folder.c_str());
        return 2;
    }
    platform::File file;
    platform::FileError openError;
    if (!file.Open(output, platform::OpenMode::BinaryCreate, false, openError)) {
        std::fprintf(stderr, "qtcm: %s\n", openError.Describe().c_str());
        return 2;
    }
    try {
        file.WriteString(svg);
        file.Close();
    } catch (const platform::FileException& failure) {
        std::fprintf(stderr, "qtcm: %s\n", failure.Error().Describe().c_str());
        return 2;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
