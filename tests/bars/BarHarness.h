#pragma once
// Runs a bar converter with a session file, a scheme folder and a report of its own, and reads
// back what it wrote.
#include "display/ConverterHarness.h"
#include "platform/Notice.h"

#include <string>
#include <vector>

namespace testing_support {

template <typename Converter>
class BarHarness : public ConverterHarness<Converter> {
protected:
    void SetUp() override
    {
        ConverterHarness<Converter>::SetUp();
        platform::SetNoticeHandler(&CollectNotice, &m_notices);
    }
    void TearDown() override { platform::SetNoticeHandler(nullptr, nullptr); }

    // Converts into this test's folder, which serves as the scheme folder.
    bool ConvertBar(const PropertyList& properties)
    {
        return this->m_converter.Convert(properties, this->m_session.c_str(), this->m_dir.Path().c_str());
    }
    std::string Written(const char* extension) const { return this->m_dir / (std::string("session") + extension); }

    // Big-endian bytes of the file layouts, for hand-written expectations.
    static std::string Be16(unsigned v) { return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)}; }
    static std::string Counted(const std::string& text) { return Be16(static_cast<unsigned>(text.size())) + text; }
    static std::string CountedZ(const std::string& text) { return Counted(text + '\0'); }
    std::vector<std::string> m_notices;
};

// True where the screen metrics are the fixed ones of the systems without a window system (96 pixels
// per inch, Arial 9 at 8 x 9 pixels per "W"), with which the expected pixel numbers are worked out.
inline bool FixedScreenMetrics()
{
#ifdef _WIN32
    return false;
#else
    return true;
#endif
}

} // namespace testing_support
