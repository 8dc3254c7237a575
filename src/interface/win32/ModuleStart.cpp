#include "translator/TheTranslator.h"

// Loading the library does nothing; unloading it destroys the translator with its converters and
// files.
extern "C" int __stdcall DllMain(void* /*module*/, unsigned long reason, void* /*reserved*/)
{
    constexpr unsigned long kProcessDetach = 0;
    if (reason == kProcessDetach) {
        try {
            DestroyTranslator();
        } catch (...) {
        }
    }
    return 1;
}
