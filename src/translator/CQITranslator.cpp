#include "translator/CQITranslator.h"

#include "actions/MacroReportPath.h"
#include "converters/CQIConverter.h"
#include "discovery/CQIUtility.h"
#include "formats/ReportLines.h"
#include "platform/FileSystem.h"
#include "platform/Files.h"
#include "platform/Notice.h"
#include "platform/OutputNames.h"
#include "platform/Profile.h"
#include "platform/TorqaServices.h"
#include "translator/CQITokenizer.h"
#include "translator/Report.h"

#include <cstring>
#include <new>

namespace {
constexpr char kHeaderMark[] = "// Version QIM! ";
constexpr std::size_t kHeaderBytes = 21;
constexpr std::size_t kCopyBlock = 500;
constexpr int kCreateAttempts = 3;
} // namespace

CQITranslator::CQITranslator() = default;

CQITranslator::CQITranslator(const char* sourcePath, const char* targetSessionDir)
    : m_sourcePath(sourcePath ? sourcePath : ""), m_targetSessionDir(targetSessionDir ? targetSessionDir : "")
{
}

CQITranslator::~CQITranslator()
{
    m_sourceFile.reset();
    m_outputFile.reset();
    m_reportFile.reset();
}

void CQITranslator::CloseReport()
{
    try {
        if (m_reportFile)
            m_reportFile->Close();
    } catch (const platform::FileException& error) {
        platform::ShowFileError(error.Error());
    }
}

bool CQITranslator::Initialize(const char* sourcePath, const char* reportPath, std::string& outputPath)
{
    m_ready = false;
    m_sourcePath = sourcePath ? sourcePath : "";
    GetDirPathsFromReg();
    if (m_sourcePath.empty() || m_targetSessionDir.empty())
        return false;
    try {
        const bool prepared = PrepareRun(reportPath);
        if (m_ready)
            outputPath = m_outputPath; // also when only the template failed: the file exists
        return prepared;
    } catch (const platform::FileException& error) {
        platform::ShowFileError(error.Error());
    } catch (const std::bad_alloc&) {
        platform::ShowNotice("Not enough memory to translate \"" + m_sourcePath + "\".");
    } catch (const std::exception& error) {
        platform::ShowNotice("Could not prepare the translation of \"" + m_sourcePath + "\": " + error.what());
    }
    CloseReport();
    if (m_outputFile)
        m_outputFile->Close();
    if (m_ready)
        outputPath = m_outputPath;
    return false;
}

bool CQITranslator::PrepareRun(const char* reportPath)
{
    platform::FileError error;
    if (!m_reportFile)
        m_reportFile = std::make_unique<platform::File>();
    m_reportFile->Close();
    if (reportPath) {
        if (!m_reportFile->Open(reportPath, platform::OpenMode::WriteExclusive, true, error)) {
            platform::ShowFileError(error);
            return false;
        }
        m_reportFile->SeekToEnd();
    }

    if (!m_sourceFile)
        m_sourceFile = std::make_unique<platform::File>();
    if (!m_sourceFile->Open(m_sourcePath, platform::OpenMode::ReadDenyWrite, true, error)) {
        platform::ShowFileError(error);
        CloseReport();
        return false;
    }
    char header[kHeaderBytes];
    if (m_sourceFile->Read(header, kHeaderBytes) < kHeaderBytes ||
        std::memcmp(header, kHeaderMark, sizeof kHeaderMark - 1) != 0) {
        CloseReport();
        return false;
    }

    std::string installPath;
    if (!CQIUtility().GetLocation(CQIUtility::kTorqaInstallPath, installPath) || installPath.empty()) {
        CloseReport();
        return false;
    }
    std::string language;
    platform::TorqaUserLanguage(language);
    const char sep = platform::kPathSeparator;
    if (!platform::EndsWithSeparator(installPath))
        installPath.push_back(sep);
    const std::string templatePath =
        installPath + "Sessions" + sep + language + sep + "Template" + sep + "Async.tdp";

    if (!m_outputFile)
        m_outputFile = std::make_unique<platform::File>();
    // The session file is never overwritten: it is created only where no file is, and when one took
    // the free name between the search and the creation, the search runs again.
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        m_outputPath = platform::BuildOutputPath(m_sourcePath.c_str(), m_targetSessionDir.c_str(), ".TDP");
        if (m_outputFile->Open(m_outputPath, platform::OpenMode::CreateNew, true, error) ||
            error.cause != platform::FileError::Cause::AlreadyExists)
            break;
    }
    if (!m_outputFile->IsOpen()) {
        platform::ShowFileError(error);
        CloseReport();
        return false;
    }
    m_ready = true;

    platform::File templateFile;
    if (!templateFile.Open(templatePath, platform::OpenMode::ReadDenyWrite, true, error)) {
        error.operation = "open the session template";
        platform::ShowFileError(error);
        CloseReport();
        m_outputFile->Close();
        return false;
    }
    std::string content;
    char block[kCopyBlock];
    std::size_t got = 0;
    while ((got = templateFile.Read(block, kCopyBlock)) == kCopyBlock)
        content.append(block, got);
    content.append(block, got);
    templateFile.Close();
    // The copy of the template is the session file's first content; where the profile keeper is
    // ours it keeps the file, and the file is written once, whole, when the call ends.
    platform::BeginNewProfile(*m_outputFile, content);
    return true;
}

bool CQITranslator::TranslateAndSerialize(unsigned& unconverted, unsigned& unrecognized)
{
    if (!m_ready || !m_sourceFile || !m_sourceFile->IsOpen())
        return false;
    const bool reporting = m_reportFile && m_reportFile->IsOpen();
    bool completed = true;
    // A report that cannot be written is shown once; the statements are still converted and the
    // files of the run are closed whatever happened.
    bool reportFailed = false;
    auto toReport = [&](auto write) {
        if (!reporting || reportFailed)
            return;
        try {
            write();
        } catch (const platform::FileException& failure) {
            reportFailed = true;
            completed = false;
            platform::ShowFileError(failure.Error());
        }
    };
    toReport([&] { m_reportFile->WriteString(report::Header(m_sourcePath, m_outputPath)); });

    CQITokenizer tokenizer = CQITokenizer::ForStatements();
    try {
        completed = ReadStatements(tokenizer) && completed;
    } catch (const platform::FileException&) {
        completed = false;
    }

    m_registry.SumCounters(unconverted, unrecognized);
    toReport([&] {
        m_reportFile->WriteString(report::Totals(unconverted, unrecognized));
        m_reportFile->WriteString(report::kSeparator);
    });
    m_sourceFile->Close();
    toReport([&] { report::AppendMacroReport(*m_reportFile, MacroReportPath()); });
    if (m_reportFile)
        m_reportFile->Close();
    return completed;
}
