/* A stand-in for the migration tool that loads the translator: a small program of our own, built
 * on its own from this file only (none of the library's headers, no import library), that loads
 * QTCm.dll from its folder with LoadLibraryA, looks every export up by its plain name with
 * GetProcAddress, and drives one whole migration of the desk in the registry in the order the tool
 * does: the record list, the four directories, recognition of the candidates, translation of the
 * chosen files, and unloading.
 *
 * Usage: MigrationTool.exe REPORT SOURCE...   (SOURCE: file names in directory 0, in the order the
 * user picked them; REPORT must exist). Prints what it did; exits 0 only when every step answered
 * as the interface says and every source was translated. The notices are printed: warnings (a
 * relative macro path) do not make a translation fail; the files it wrote are compared with the
 * native run's.
 *
 * Declarations are written out here as a host compiled elsewhere would write them: cdecl, bool as
 * one byte, 260-byte buffers. The one call the real tool does not make is the notice handler: a
 * file error would otherwise wait on a message box. */
#include <stdio.h>
#include <string.h>
#include <windows.h>

typedef unsigned char Bool8;

typedef Bool8(__cdecl* InitializeFn)(void);
typedef Bool8(__cdecl* DirectoriesFn)(unsigned, char*, char*, char*);
typedef Bool8(__cdecl* SetDirPathFn)(unsigned, const char*);
typedef Bool8(__cdecl* IsValidFileFn)(const char*);
typedef Bool8(__cdecl* DoTranslateFn)(const char*, const char*, char*, unsigned*, unsigned*);
typedef void(__cdecl* TextFn)(char*);
typedef int(__cdecl* IsComponentInstalledFn)(unsigned char);
typedef int(__cdecl* IsYourProductInstalledFn)(void);
typedef int(__cdecl* FindYourConfigFilesFn)(char*, unsigned);
typedef int(__cdecl* IsThisYourFileFn)(const char*, int*);
typedef int(__cdecl* TranslateThisFileFn)(const char*, char*);
typedef void(__cdecl* NoticeFn)(const char*, void*);
typedef void(__cdecl* SetNoticeHandlerFn)(NoticeFn, void*);

/* Seven machine words: the name, the five functions of the second family, a null word. */
typedef struct {
    const char* name;
    IsComponentInstalledFn isComponentInstalled;
    IsYourProductInstalledFn isYourProductInstalled;
    FindYourConfigFilesFn findYourConfigFiles;
    IsThisYourFileFn isThisYourFile;
    TranslateThisFileFn translateThisFile;
    void* reserved;
} TranslatorRecord;
typedef const TranslatorRecord* const*(__cdecl* GimmieFn)(void);

enum { kBuffer = 260 };

static const char* const kExports[] = {
    "KorvanestaTranslatorInitialize", "KorvanestaTranslatorDirectories", "KorvanestaTranslatorSetDirPath",
    "KorvanestaTranslatorIsValidFile", "KorvanestaTranslatorDoTranslate", "GetKorvanestaTranslatorName",
    "GetKorvanestaTranslatorDescription", "GetKorvanestaTranslatorLinkName", "QTC_IsComponentInstalled",
    "QTC_IsYourProductInstalled", "QTC_FindYourConfigFiles", "QTC_IsThisYourFile", "QTC_TranslateThisFile",
    "GimmieTranslators", "QTCmSetNoticeHandler"};
enum { kExportCount = sizeof kExports / sizeof kExports[0] };

static int g_failures = 0;

static void Fail(const char* what, const char* detail)
{
    printf("FAILED: %s%s%s\n", what, detail ? ": " : "", detail ? detail : "");
    ++g_failures;
}

static void __cdecl OnNotice(const char* message, void* context)
{
    (void)context;
    printf("  notice: %s\n", message ? message : "");
}

static void* Export(void* const* table, const char* name)
{
    for (int i = 0; i < kExportCount; ++i)
        if (strcmp(kExports[i], name) == 0)
            return table[i];
    return NULL;
}

/* The candidates of directory 0: the files its filter matches, as the tool's file list shows them. */
static int IsCandidate(const char* directory, const char* filter, const char* name)
{
    char pattern[MAX_PATH * 2];
    WIN32_FIND_DATAA found;
    snprintf(pattern, sizeof pattern, "%s\\%s", directory, filter);
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int listed = 0;
    do
        listed = listed || lstrcmpiA(found.cFileName, name) == 0;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return listed;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s REPORT SOURCE...\n", argv[0]);
        return 2;
    }
    const char* report = argv[1];

    HMODULE library = LoadLibraryA("QTCm.dll");
    if (!library) {
        printf("FAILED: LoadLibraryA(\"QTCm.dll\"), error %lu\n", (unsigned long)GetLastError());
        return 1;
    }
    void* table[kExportCount];
    for (int i = 0; i < kExportCount; ++i)
        if (!(table[i] = (void*)GetProcAddress(library, kExports[i])))
            Fail("no export of that plain name", kExports[i]);
    if (g_failures) {
        FreeLibrary(library);
        return 1;
    }
    printf("QTCm.dll: %d exports found by name\n", kExportCount);

    InitializeFn initialize = (InitializeFn)Export(table, "KorvanestaTranslatorInitialize");
    DirectoriesFn directories = (DirectoriesFn)Export(table, "KorvanestaTranslatorDirectories");
    IsValidFileFn isValidFile = (IsValidFileFn)Export(table, "KorvanestaTranslatorIsValidFile");
    DoTranslateFn doTranslate = (DoTranslateFn)Export(table, "KorvanestaTranslatorDoTranslate");
    GimmieFn gimmie = (GimmieFn)Export(table, "GimmieTranslators");
    ((SetNoticeHandlerFn)Export(table, "QTCmSetNoticeHandler"))(&OnNotice, NULL);

    /* The tool's list of translators: the record list and the names it shows. */
    const TranslatorRecord* const* records = gimmie();
    if (!records || !records[0] || records[1]) {
        Fail("GimmieTranslators", "not a list of exactly one record");
        FreeLibrary(library);
        return 1;
    }
    const TranslatorRecord* record = records[0];
    if (strcmp(record->name, "QIM! for VAX/UNIX") != 0)
        Fail("the record's name", record->name);
    const struct {
        void* inRecord;
        const char* name;
    } fields[] = {{(void*)record->isComponentInstalled, "QTC_IsComponentInstalled"},
                  {(void*)record->isYourProductInstalled, "QTC_IsYourProductInstalled"},
                  {(void*)record->findYourConfigFiles, "QTC_FindYourConfigFiles"},
                  {(void*)record->isThisYourFile, "QTC_IsThisYourFile"},
                  {(void*)record->translateThisFile, "QTC_TranslateThisFile"}};
    for (size_t i = 0; i < sizeof fields / sizeof fields[0]; ++i)
        if (fields[i].inRecord != Export(table, fields[i].name))
            Fail("the record's function is not the export", fields[i].name);
    if (record->reserved)
        Fail("the record's last word", "not null");
    char text[kBuffer];
    const struct {
        const char* name;
        const char* expected;
    } texts[] = {{"GetKorvanestaTranslatorName", "QTC_Migrate"},
                 {"GetKorvanestaTranslatorDescription", "QIM! Session Converter"},
                 {"GetKorvanestaTranslatorLinkName", "QTCm"}};
    for (size_t i = 0; i < sizeof texts / sizeof texts[0]; ++i) {
        memset(text, '#', sizeof text);
        ((TextFn)Export(table, texts[i].name))(text);
        if (strcmp(text, texts[i].expected) != 0)
            Fail(texts[i].name, text);
    }
    if (record->isComponentInstalled(0x40) != 1 || record->isComponentInstalled(0x3F) != 0)
        Fail("QTC_IsComponentInstalled", "wrong answer for the flags 0x40 or 0x3F");
    printf("translator \"%s\" (%s)\n", record->name, texts[1].expected);

    /* The desk: installed, and the four directories with their names and filters. */
    if (!initialize())
        Fail("KorvanestaTranslatorInitialize", "the desk's four directories were not all found");
    if (record->isYourProductInstalled() != 1)
        Fail("QTC_IsYourProductInstalled", "answered 0");
    char typeName[kBuffer], dirs[4][kBuffer], filters[4][kBuffer];
    for (unsigned index = 0; index < 4; ++index) {
        if (!directories(index, typeName, dirs[index], filters[index]) || !dirs[index][0])
            Fail("KorvanestaTranslatorDirectories", "a directory is missing");
        printf("directory %u: %s: %s (%s)\n", index, typeName, dirs[index], filters[index]);
    }
    char config[kBuffer];
    if (record->findYourConfigFiles(config, sizeof config) != 1 || strcmp(config, dirs[0]) != 0)
        Fail("QTC_FindYourConfigFiles", "not directory 0");

    /* The chosen files: listed by directory 0's filter, recognised by both families, translated. */
    int translated = 0;
    for (int i = 2; i < argc; ++i) {
        char source[MAX_PATH * 2];
        snprintf(source, sizeof source, "%s\\%s", dirs[0], argv[i]);
        if (!IsCandidate(dirs[0], filters[0], argv[i]))
            Fail("not listed by directory 0's filter", argv[i]);
        int answer = -1;
        const int mine = record->isThisYourFile(source, &answer);
        if (!isValidFile(source) || mine != 1 || answer != 1) {
            Fail("not recognised", source);
            continue;
        }
        char output[kBuffer] = "";
        unsigned unconverted = 0, unrecognized = 0;
        if (!doTranslate(source, report, output, &unconverted, &unrecognized) || !output[0] ||
            GetFileAttributesA(output) == INVALID_FILE_ATTRIBUTES) {
            Fail("not translated", source);
            continue;
        }
        printf("%s -> %s: %u unconverted, %u unrecognized\n", argv[i], output, unconverted, unrecognized);
        ++translated;
    }

    if (!FreeLibrary(library))
        Fail("FreeLibrary", "answered false");
    printf("%d of %d sessions translated, %d failure(s)\n", translated, argc - 2, g_failures);
    return g_failures == 0 && translated == argc - 2 ? 0 : 1;
}
