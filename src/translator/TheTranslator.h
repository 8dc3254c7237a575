#pragma once
// The one translator of the process: made by the first initialising call, destroyed when the
// library is unloaded.
class CQITranslator;

// Creates the translator when there is none, then looks its directories up again; true when all
// four are known.
bool EnsureTranslator();
CQITranslator* TheTranslator();
void DestroyTranslator();
