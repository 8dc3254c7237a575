#pragma once
// The object that carries translations: the four working directories, the files of a run (the
// source session file, the TORQA! session file, the migration report) and the converters.
#include "converters/PropertyList.h"
#include "translator/CQITokenizer.h"
#include "translator/ConverterRegistry.h"

#include <memory>
#include <string>

namespace platform {
class File;
}
class CQITokenizer;

class CQITranslator {
public:
    CQITranslator();
    CQITranslator(const char* sourcePath, const char* targetSessionDir);
    virtual ~CQITranslator();
    // Two translators would share converters and files; the library never copies one.
    CQITranslator(const CQITranslator&) = delete;
    CQITranslator& operator=(const CQITranslator&) = delete;

    // Opens the report (to append; it must exist) and the source, checks the source's header and
    // creates the TORQA! session file under a free name as a copy of the session template.
    // reportPath may be null: the run then goes on without a report.
    bool Initialize(const char* sourcePath, const char* reportPath, std::string& outputPath);
    // Converts the statements of the source prepared by Initialize and adds the run's counts.
    bool TranslateAndSerialize(unsigned& unconverted, unsigned& unrecognized);

    bool GetDirPathsFromReg();
    bool Directories(unsigned index, std::string& typeName, std::string& directory, std::string& filter) const;
    bool SetDirPath(unsigned index, const char* path);

    int TerminalModel() const { return m_terminalModel; }
    bool InjectEditKeys() const { return m_injectEditKeys; }

protected:
    bool ProcessArgument(CQITokenizer& tokenizer, std::string& statement);
    bool ReadStatements(CQITokenizer& tokenizer);
    bool PrepareRun(const char* reportPath);
    void CloseReport();

    CConverterRegistry m_registry;
    std::string m_sourcePath;
    std::string m_outputPath;
    std::string m_sourceSessionDir;
    std::string m_targetSessionDir;
    std::string m_targetSchemeDir;
    std::string m_targetMacroDir;
    std::unique_ptr<platform::File> m_sourceFile;
    std::unique_ptr<platform::File> m_outputFile;
    std::unique_ptr<platform::File> m_reportFile;
    bool m_ready = false;
    int m_terminalModel = 420;
    bool m_injectEditKeys = false;
    TokenList m_tokens; // a statement's tokens, the list kept from one statement to the next
};

// The property list of a statement's tokens: group name (when the statement has one), then key and
// value alternately; a value is its tokens joined again up to the next key.
void BuildPropertyList(const TokenList& tokens, PropertyList& properties);
