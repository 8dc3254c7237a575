#pragma once
// The client of the macro translator, a second translator library installed with TORQA! that turns
// QIM! macros into TORQA! basic macros through the same plug-in interface this library exports.
// The library is loaded by the first translation and unloaded, with the temporary macros it wrote
// deleted, when the last context is destroyed. The state is the process's, shared by all contexts.
#include <string>

class CQIMacroLibrary {
public:
    CQIMacroLibrary();
    virtual ~CQIMacroLibrary();
    CQIMacroLibrary(const CQIMacroLibrary&) = delete;
    CQIMacroLibrary& operator=(const CQIMacroLibrary&) = delete;

    // The component identifier under which the installer knows the macro translator.
    static const char kComponentId[];

    // Translates macro text into a TORQA! macro named after nameHint (or a temporary one when the
    // hint is empty); out receives the macro's path, or the name of the macro that a text which
    // only runs another macro calls.
    bool TranslateMacro(const std::string& macroText, const char* nameHint, std::string& out);
    // Translates macro text into the macro directory under name ("\NAME.TBM"); name receives the
    // full path of the macro written.
    bool TranslateMacroNamed(const std::string& macroText, std::string& name);

    // For the report: where the macro translator writes its lines (empty before the first load).
    static const std::string& ReportPath();
    static bool IsLoaded();
    static int LiveContexts();

protected:
    // The translator's macro directory when it can be written, else TORQA!'s own.
    static void ChooseOutputDirectory(const std::string& macroDirectory);

private:
    static bool EnsureLoaded();
};

// One macro action: a converter makes one around each translation, with the macro directory the
// translator handed it.
class CQIMacroContext : public CQIMacroLibrary {
public:
    explicit CQIMacroContext(const std::string& macroDirectory = {});
    ~CQIMacroContext() override;
};

// Recognises a macro text that only runs another macro, RunMacro("NAME.QTM", "arg", ...) with
// comment lines around it; out becomes "NAME.tbm" followed by the arguments, each after a blank.
bool ParseRunMacroCall(const std::string& macroText, std::string& out);
