// Fuzzing a whole translation: any bytes after a QIM! header line go through the statement reader,
// the tokenizer, the dispatcher and every converter, against a desk of our own. A crash, a read
// past a buffer or undefined behaviour is a finding; report lines are not. Each input is one
// exported call's worth of work: the session file is kept in memory and written once.
#include "platform/Notice.h"
#include "platform/Profile.h"
#include "translator/CQITranslator.h"

#include "support/TestDesk.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

struct Desk {
    Desk()
    {
        platform::SetNoticeHandler([](const char*, void*) {}, nullptr);
        testing_support::MakeDir(desk.Install() + testing_support::kSep + "ENU");
        testing_support::WriteFile(desk.Install() + testing_support::kSep + "ENU" + testing_support::kSep + "toolcomp.ini",
                                   "[TELNET]\r\nCPType=TCPIP\r\nName=Telnet\r\n");
        testing_support::WriteFile(desk.Install() + testing_support::kSep + "torqa.dlr",
                                   testing_support::ReadFile(QTCM_EXAMPLES_DIR "/torqa/torqa.dlr"));
    }
    testing_support::TestDesk desk;
    CQITranslator translator;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Desk* desk = new Desk; // one desk for the whole run
    const std::string source = desk->desk.Path("fuzz.qtc");
    const std::string report = desk->desk.Path("report.txt");
    testing_support::WriteFile(source, "// Version QIM! 5.10\r\n" + std::string(reinterpret_cast<const char*>(data), size));
    testing_support::WriteFile(report, "");
    std::string output;
    unsigned unconverted = 0, unrecognized = 0;
    {
        const platform::ProfileBatch batch;
        if (desk->translator.Initialize(source.c_str(), report.c_str(), output))
            desk->translator.TranslateAndSerialize(unconverted, unrecognized);
    }
    if (!output.empty())
        std::remove(output.c_str()); // one session file, not thousands
    return 0;
}
