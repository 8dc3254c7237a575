#include "translator/TheTranslator.h"

// Loading the library does nothing; unloading it destroys the translator with its converters and
// files.
__attribute__((destructor)) static void UnloadLibrary()
{
    try {
        DestroyTranslator();
    } catch (...) {
    }
}
