#include "Preview.h"

#include "bars/BarPreview.h"
#include "discovery/CQIUtility.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"

#include <cstdio>

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
    if (!bars::PreviewSvg(CQIUtility::SplitPath(input).extension, bytes, svg, error)) {
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
