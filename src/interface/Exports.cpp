#include "interface/Exports.h"

#include "translator/TheTranslator.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "translator/CQITranslator.h"

#include <cstring>
#include <string>

// Every export catches everything: a host never sees an exception, only a failure's answer.
// Every export that does work holds a call scope: the INI files it edits are written when it
// returns, and a folder it lists to find a name in another case is listed once.

namespace {

struct CallScope {
    platform::FolderListings listings; // outlives the batch, whose writes it notes
    platform::ProfileBatch batch;
};

constexpr std::size_t kHostBuffer = 260;

// Copies text and its zero into a host buffer of at least 260 bytes, never past that size.
void CopyOut(char* buffer, const char* text, std::size_t size)
{
    if (!buffer)
        return;
    const std::size_t n = size < kHostBuffer ? size : kHostBuffer - 1;
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

void CopyOut(char* buffer, const std::string& text) { CopyOut(buffer, text.data(), text.size()); }
void CopyOut(char* buffer, const char* text) { CopyOut(buffer, text, std::strlen(text)); }

std::string CopyIn(const char* buffer)
{
    return buffer ? std::string(buffer, ::strnlen(buffer, kHostBuffer - 1)) : std::string();
}

// A QIM! session file starts with two short lines: the version mark and the capture setup. A first
// or second line longer than this is no session file's, and the file is not read further: a huge
// file without line feeds costs no more than its first few kilobytes.
constexpr std::size_t kHeaderLineLimit = 4096;

// One line without its line feed (empty at the end of the file); false when it runs past the limit.
bool ReadHeaderLine(platform::File& file, std::string& line)
{
    line.clear();
    char c = 0;
    while (file.Read(&c, 1) == 1 && c != '\n') {
        if (line.size() == kHeaderLineLimit)
            return false;
        line.push_back(c);
    }
    return true;
}

bool RecognizeSessionFile(const char* path)
{
    platform::File file;
    platform::FileError error;
    if (!file.Open(path ? path : "", platform::OpenMode::ReadDenyWrite, true, error)) {
        platform::ShowFileError(error);
        return false;
    }
    std::string first, second;
    const bool shortLines = ReadHeaderLine(file, first) && ReadHeaderLine(file, second);
    file.Close();
    return shortLines && first.find("// Version QIM!") != std::string::npos &&
           second.find("CaptureSetup( FileName=\"QIMVT.TXT\"") != std::string::npos;
}

// Shows a notice from inside an export's handler; nothing it throws gets out.
void NoticeQuietly(const char* message)
{
    try {
        platform::ShowNotice(message);
    } catch (...) {
    }
}

void TranslateOne(const char* sourcePath, const char* reportPath, char* outputPath, unsigned* unconverted,
                  unsigned* unrecognized)
{
    unsigned counts[2] = {unconverted ? *unconverted : 0u, unrecognized ? *unrecognized : 0u};
    std::string output;
    bool copied = false;
    try {
        output = CopyIn(outputPath);
        copied = true;
        CQITranslator* translator = TheTranslator();
        if (translator && translator->Initialize(sourcePath, reportPath, output))
            translator->TranslateAndSerialize(counts[0], counts[1]);
    } catch (const platform::FileException& error) {
        NoticeQuietly(error.what());
    } catch (...) {
        NoticeQuietly("The translation stopped on an unexpected error.");
    }
    // The session file's path goes back even when the run stopped after creating it.
    if (copied)
        CopyOut(outputPath, output);
    if (unconverted)
        *unconverted = counts[0];
    if (unrecognized)
        *unrecognized = counts[1];
}

const TranslatorRecord kRecord = {
    "QIM! for VAX/UNIX",
    &QTC_IsComponentInstalled,
    &QTC_IsYourProductInstalled,
    &QTC_FindYourConfigFiles,
    &QTC_IsThisYourFile,
    &QTC_TranslateThisFile,
    nullptr,
};
const TranslatorRecord* const kRecords[] = {&kRecord, nullptr};

} // namespace

bool KorvanestaTranslatorInitialize(void)
{
    const CallScope scope;
    try {
        return EnsureTranslator();
    } catch (...) {
        return false;
    }
}

bool KorvanestaTranslatorDirectories(unsigned index, char* typeName, char* directory, char* filter)
{
    const CallScope scope;
    std::string strings[3];
    bool result = false;
    try {
        EnsureTranslator();
        if (CQITranslator* translator = TheTranslator())
            result = translator->Directories(index, strings[0], strings[1], strings[2]);
    } catch (...) {
        result = false;
    }
    if (!result)
        strings[0] = strings[1] = strings[2] = "";
    CopyOut(typeName, strings[0]);
    CopyOut(directory, strings[1]);
    CopyOut(filter, strings[2]);
    return result;
}

bool KorvanestaTranslatorSetDirPath(unsigned index, const char* path)
{
    const CallScope scope;
    try {
        CQITranslator* translator = TheTranslator();
        return translator && translator->SetDirPath(index, path);
    } catch (...) {
        return false;
    }
}

bool KorvanestaTranslatorIsValidFile(const char* path)
{
    const CallScope scope;
    try {
        return RecognizeSessionFile(path);
    } catch (...) {
        return false;
    }
}

bool KorvanestaTranslatorDoTranslate(const char* sourcePath, const char* reportPath, char* outputPath,
                                     unsigned* unconverted, unsigned* unrecognized)
{
    const CallScope scope;
    TranslateOne(sourcePath, reportPath, outputPath, unconverted, unrecognized);
    return true;
}

void GetKorvanestaTranslatorName(char* buffer) { CopyOut(buffer, "QTC_Migrate"); }
void GetKorvanestaTranslatorDescription(char* buffer) { CopyOut(buffer, "QIM! Session Converter"); }
void GetKorvanestaTranslatorLinkName(char* buffer) { CopyOut(buffer, "QTCm"); }

int QTC_IsComponentInstalled(unsigned char flags) { return (flags & 0x40) ? 1 : 0; }

int QTC_IsYourProductInstalled(void) { return KorvanestaTranslatorInitialize() ? 1 : 0; }

int QTC_FindYourConfigFiles(char* buffer, unsigned size)
{
    char typeName[kHostBuffer], directory[kHostBuffer], filter[kHostBuffer];
    const bool result = KorvanestaTranslatorDirectories(0, typeName, directory, filter);
    if (buffer && size > 0)
        std::strncpy(buffer, directory, size); // fixed-length copy: zero-filled, unterminated when full
    return result ? 1 : 0;
}

int QTC_IsThisYourFile(const char* path, int* answer)
{
    const int result = KorvanestaTranslatorIsValidFile(path) ? 1 : 0;
    if (answer)
        *answer = result;
    return result;
}

int QTC_TranslateThisFile(const char* sourcePath, char* outputPath)
{
    const CallScope scope;
    unsigned unconverted = 0, unrecognized = 0;
    TranslateOne(sourcePath, nullptr, outputPath, &unconverted, &unrecognized);
    return 1;
}

const TranslatorRecord* const* GimmieTranslators(void) { return kRecords; }

void QTCmSetNoticeHandler(QTCmNoticeHandler handler, void* context) { platform::SetNoticeHandler(handler, context); }

void QTCmSetReportLineHandler(QTCmReportLineHandler handler, void* context)
{
    platform::SetReportLineHandler(handler, context);
}
