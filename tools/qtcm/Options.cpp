#include "Options.h"

#include <filesystem>

const char kVersion[] = "1.0";

const char kUsage[] =
    "usage: qtcm [options] dirs\n"
    "       qtcm [options] doctor\n"
    "       qtcm [options] check FILE|FOLDER...\n"
    "       qtcm [options] plan [--skip-existing] [--summary FILE.json] [--html FILE.html] FILE|FOLDER...\n"
    "       qtcm [options] migrate [--report FILE] [--map FILE.csv] [--skip-existing] [-j N]\n"
    "                      [--summary FILE.json] [--html FILE.html] FILE|FOLDER...\n"
    "       qtcm migrate --desks FILE.csv [--map FILE.csv] [--skip-existing] [-j N]\n"
    "                      [--summary FILE.json] [--html FILE.html]\n"
    "       qtcm inspect FILE\n"
    "       qtcm [options] menus\n"
    "       qtcm preview FILE.tqp|FILE.ttb -o OUT.svg\n"
    "       qtcm bench [--sessions N] [--dir DIR] [--only batch|same|statements] [--keep]\n"
    "\n"
    "  dirs      the four directories with their type names and filters\n"
    "  doctor    checks the desk before anything is written: the directories, the session template,\n"
    "            the resource library and its menu, the macro translator, the temporary folder\n"
    "  check     which files are QIM! session files, and why the others are not\n"
    "  plan      what migrate would create, and where, and what it would not carry over; translates\n"
    "            into a scratch copy of the target folders, so nothing on the desk changes\n"
    "  migrate   translate each file, and every QIM! session file in each folder, into a TORQA!\n"
    "            session; the report is appended to FILE (created when missing; default\n"
    "            migration-report.txt)\n"
    "  inspect   a file the migration wrote (key map, pad, toolbar, menu document, session file)\n"
    "            shown as text\n"
    "  preview   a QuickPad or toolbar drawn as an SVG picture, written to OUT.svg\n"
    "  menus     the TORQA! menu captions this build reads, and what each QIM! menu path maps to\n"
    "  bench     the speed of translating example sessions on a desk of its own (qtcm bench --help)\n"
    "\n"
    "migrate and plan:\n"
    "  --map FILE.csv       one row per source: the source, what became of it, why, and every file\n"
    "                       its translation created or replaced, the session file first (migrate)\n"
    "  --skip-existing      leave out a source whose session file name (its name with .TDP) is\n"
    "                       already in the TORQA! session directory, and say so; without it the\n"
    "                       new session file takes the next free name (Demo1.TDP)\n"
    "  -j N                 N worker processes translate at once (migrate)\n"
    "  --summary FILE.json  the run's summary for scripts: every session, its files, counts, report\n"
    "                       lines with their statement's group, and notices\n"
    "  --html FILE.html     the same as one page to open in a browser, with the previews\n"
    "  --desks FILE.csv     migrate a fleet of desks, one per row, each in a worker process of its\n"
    "                       own: name, registry (export files separated by ';'), windows_root, user,\n"
    "                       qim_sessions, sessions, schemes, macros, output (a folder that gets the\n"
    "                       desk's Sessions, Schemes and Macros), sources (';'-separated; default:\n"
    "                       the desk's QIM! session directory); paths relative to the file's folder\n"
    "\n"
    "exit status: 0 every file translated (doctor: every check passed); 1 a file skipped, left out\n"
    "or not translated (a desk of a fleet failed; doctor: a check that is not needed failed); 2 a\n"
    "usage error or a desk that cannot serve (migrate and plan stop before writing anything).\n"
    "\n"
    "options:\n"
    "  --registry FILE      a registry export to read before those in QTCM_REGISTRY (repeatable;\n"
    "                       systems without a registry only)\n"
    "  --windows-root DIR   a copied Windows system drive: C: is DIR, and the registry is read\n"
    "                       from its hives (Windows\\System32\\config\\SOFTWARE, the user's\n"
    "                       NTUSER.DAT) behind the registry exports; with --user (systems\n"
    "                       without a registry only)\n"
    "  --user NAME          the user of that drive whose sessions are migrated: the profile\n"
    "                       Users\\NAME, whose variables (%APPDATA%, %USERPROFILE%, ...) the\n"
    "                       registry's paths see\n"
    "  --drive L:=DIR       the drive letter L is the folder DIR (repeatable; systems without a\n"
    "                       registry only)\n"
    "  --example-desk       the bundled example installation: writes into QTCM_DEMO (by default\n"
    "                       " QTCM_DEMO_DIR "), and its report there\n"
    "  --qim-sessions DIR   QIM! session directory (directory 0)\n"
    "  --sessions DIR       TORQA! session directory (directory 1)\n"
    "  --schemes DIR        TORQA! scheme directory (directory 2)\n"
    "  --macros DIR         TORQA! macro directory (directory 3)\n"
    "  --help, --version\n"
    "\n"
    "On a system without a registry the desk is the registry export of the machine to migrate,\n"
    "named with --registry or QTCM_REGISTRY (files separated by ':'), or a copied Windows system\n"
    "drive given with --windows-root and --user (QTCM_WINDOWS_ROOT, QTCM_WINDOWS_USER), or both.\n"
    "\n"
    "Each file is translated with its own folder as the working folder, so the relative macro paths\n"
    "of a session (..\\Macros\\Logon.qtm) mean the same wherever qtcm is started; the folders named by\n"
    "options are made whole first. Names are found as Windows finds them: in any case, with '\\' or\n"
    "'/'. migrate FOLDER and check FOLDER walk the folder alike: migrate translates the session files\n"
    "and names every other entry as left out, with the reason check gives; a file named on the\n"
    "command line is translated even when check refuses it, with a warning.\n";

namespace {

// A number of worker processes: 1 to 64.
bool ParseJobs(const std::string& text, unsigned& jobs)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    jobs = static_cast<unsigned>(std::stoul(text));
    return jobs >= 1 && jobs <= 64;
}

const char* const kDirectoryOptions[4] = {"--qim-sessions", "--sessions", "--schemes", "--macros"};

// A drive letter, a colon, '=' and a folder.
bool IsDriveMapping(const std::string& text)
{
    const char letter = text.empty() ? '\0' : text[0];
    return text.size() > 3 && ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) && text[1] == ':' &&
           text[2] == '=';
}

} // namespace

bool ParseArguments(int argc, char** argv, Options& options, std::string& error)
{
    options.arguments.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        bool directory = false;
        for (int d = 0; d < 4; ++d) {
            if (arg == kDirectoryOptions[d]) {
                if (!value(options.directories[d]))
                    return false;
                directory = true;
            }
        }
        if (directory)
            continue;
        if (arg == "--help" || arg == "-h") {
            options.command = "help";
            return true;
        }
        if (arg == "--version") {
            options.command = "version";
            return true;
        }
        if (arg == "--registry") {
            std::string file;
            if (!value(file))
                return false;
            options.registries.push_back(file);
        } else if (arg == "--drive") {
            std::string mapping;
            if (!value(mapping))
                return false;
            if (!IsDriveMapping(mapping)) {
                error = "--drive " + mapping + ": give a drive letter, ':', '=' and a folder, as in --drive D:=/mnt/d";
                return false;
            }
            options.drives.push_back(mapping);
        } else if (arg == "--windows-root") {
            if (!value(options.windowsRoot))
                return false;
        } else if (arg == "--user") {
            if (!value(options.user))
                return false;
        } else if (arg == "--report") {
            if (!value(options.report))
                return false;
        } else if (arg == "--summary") {
            if (!value(options.summaryJson))
                return false;
        } else if (arg == "--html") {
            if (!value(options.html))
                return false;
        } else if (arg == "-o" || arg == "--output") {
            if (!value(options.output))
                return false;
        } else if (arg == "--map") {
            if (!value(options.map))
                return false;
        } else if (arg == "--desks") {
            if (!value(options.desks))
                return false;
        } else if (arg == "--skip-existing") {
            options.skipExisting = true;
        } else if (arg == "-j" || arg == "--jobs" || (arg.rfind("-j", 0) == 0 && arg.size() > 2)) {
            std::string count = arg.size() > 2 && arg[1] == 'j' ? arg.substr(2) : std::string();
            if (count.empty() && !value(count))
                return false;
            if (!ParseJobs(count, options.jobs)) {
                error = arg + (arg.size() > 2 && arg[1] == 'j' ? "" : " " + count) +
                        ": give a number of worker processes from 1 to 64";
                return false;
            }
        } else if (arg == "--example-desk") {
            options.exampleDesk = true;
        } else if (arg == "--") {
            // Everything after it is an operand, even when it begins with a dash.
            for (++i; i < argc; ++i)
                (options.command.empty() ? options.command : options.files.emplace_back()) = argv[i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return false;
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.files.push_back(arg);
        }
    }
    if (options.command.empty()) {
        error = "no command";
        return false;
    }
    // Folders go to the library whole: a relative one would land in the session files as it is, and
    // each translation runs in its session's own folder.
    std::error_code code;
    for (std::string& folder : options.directories)
        if (!folder.empty())
            folder = std::filesystem::absolute(folder, code).string();
    for (std::string* file : {&options.report, &options.map, &options.desks, &options.summaryJson, &options.html})
        if (!file->empty())
            *file = std::filesystem::absolute(*file, code).string();
    return true;
}

const char* UnusedOption(const Options& options, unsigned accepts)
{
    const struct {
        OptionUse use;
        bool given;
        const char* name;
    } given[] = {
        {kUsesReport, !options.report.empty(), "--report"},   {kUsesOutput, !options.output.empty(), "-o"},
        {kUsesMap, !options.map.empty(), "--map"},            {kUsesDesks, !options.desks.empty(), "--desks"},
        {kUsesSkipExisting, options.skipExisting, "--skip-existing"}, {kUsesJobs, options.jobs != 0, "-j"},
        {kUsesSummaries, !options.summaryJson.empty(), "--summary"}, {kUsesSummaries, !options.html.empty(), "--html"},
    };
    for (const auto& option : given)
        if (option.given && !(accepts & option.use))
            return option.name;
    return nullptr;
}
