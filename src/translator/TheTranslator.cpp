#include "translator/TheTranslator.h"

#include "translator/CQITranslator.h"

#include <new>

namespace {
CQITranslator* g_translator = nullptr;
}

CQITranslator* TheTranslator() { return g_translator; }

bool EnsureTranslator()
{
    if (!g_translator)
        g_translator = new (std::nothrow) CQITranslator();
    if (!g_translator)
        return false;
    return g_translator->GetDirPathsFromReg();
}

void DestroyTranslator()
{
    delete g_translator;
    g_translator = nullptr;
}
