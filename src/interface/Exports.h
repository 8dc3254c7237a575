#pragma once
// The library's exported interface, as a host sees it. Two families share one translator: the
// Korvanesta... plug-in family and the QTC_ family (also reachable through GimmieTranslators).
// All are cdecl with plain names; bool is one byte; strings are 8-bit and zero-terminated; buffers
// the library copies into must hold 260 bytes.
#ifdef __cplusplus
#define QTCM_EXTERN_C extern "C"
#else
#define QTCM_EXTERN_C
#include <stdbool.h>
#endif

// The build that makes the library says how a function is exported (QTCM_EXPORT: the symbol's
// visibility on posix; nothing on Windows, where the module-definition file names the exports).
#ifndef QTCM_EXPORT
#define QTCM_EXPORT
#endif
#define QTCM_API QTCM_EXTERN_C QTCM_EXPORT

QTCM_API bool KorvanestaTranslatorInitialize(void);
QTCM_API bool KorvanestaTranslatorDirectories(unsigned index, char* typeName, char* directory, char* filter);
QTCM_API bool KorvanestaTranslatorSetDirPath(unsigned index, const char* path);
QTCM_API bool KorvanestaTranslatorIsValidFile(const char* path);
QTCM_API bool KorvanestaTranslatorDoTranslate(const char* sourcePath, const char* reportPath, char* outputPath,
                                              unsigned* unconverted, unsigned* unrecognized);
QTCM_API void GetKorvanestaTranslatorName(char* buffer);
QTCM_API void GetKorvanestaTranslatorDescription(char* buffer);
QTCM_API void GetKorvanestaTranslatorLinkName(char* buffer);

QTCM_API int QTC_IsComponentInstalled(unsigned char flags);
QTCM_API int QTC_IsYourProductInstalled(void);
QTCM_API int QTC_FindYourConfigFiles(char* buffer, unsigned size);
QTCM_API int QTC_IsThisYourFile(const char* path, int* answer);
QTCM_API int QTC_TranslateThisFile(const char* sourcePath, char* outputPath);

// One translator of the QTC_ family: its name and its five functions, then a null word.
struct TranslatorRecord {
    const char* name;
    int (*isComponentInstalled)(unsigned char);
    int (*isYourProductInstalled)(void);
    int (*findYourConfigFiles)(char*, unsigned);
    int (*isThisYourFile)(const char*, int*);
    int (*translateThisFile)(const char*, char*);
    void* reserved;
};
// A null-terminated list of record pointers.
QTCM_API const struct TranslatorRecord* const* GimmieTranslators(void);

// Not part of the plug-in interface: lets a host (the command-line host, the tests) receive the
// file-error notices instead of the platform's message box. nullptr restores the message box.
typedef void (*QTCmNoticeHandler)(const char* message, void* context);
QTCM_API void QTCmSetNoticeHandler(QTCmNoticeHandler handler, void* context);
// Not part of the plug-in interface either: each line the translation writes into the migration
// report, told as it is written, with the group name of the statement it came from (the report
// itself does not say), so a host can sum up what was lost where. nullptr stops the telling.
typedef void (*QTCmReportLineHandler)(const char* group, const char* line, void* context);
QTCM_API void QTCmSetReportLineHandler(QTCmReportLineHandler handler, void* context);
