// The general session converter: what each kind of statement writes into the TORQA! session file
// and what it reports.
#include "converters/CQISessionConverter.h"
#include "platform/Files.h"
#include "platform/Profile.h"

#include "support/ConverterDesk.h"

namespace {

using namespace testing_support;

class SessionConverter : public ConverterTest<CQISessionConverter> {
protected:
    SessionConverter()
    {
        MakeDir(m_desk.Install() + kSep + "ENU");
        WriteFile(m_desk.Install() + kSep + "ENU" + kSep + "toolcomp.ini",
                  "[TELNET]\r\nCPType=TCPIP\r\nDevModel=WINSOCK\r\nName=Telnet over TCP\r\n"
                  "[KERMIT]\r\nCPType=FTKERMIT\r\nName=Kermit\r\n");
        WriteFile(m_desk.Install() + kSep + "ENU" + kSep + "gi32.ini", "[TELNET]\r\nCPModule=TQTEL.DLL\r\n");
        EXPECT_TRUE(m_report.OpenEmpty(m_desk.Path("report.txt"), false)); // binary: lines end in "\n" everywhere
    }

    // The report lines written since the last call.
    std::string Report()
    {
        const std::string text = m_report.Text();
        platform::FileError error;
        m_report.Open(m_desk.Path("report.txt"), platform::OpenMode::WriteExclusive, false, error);
        m_report.SeekToEnd();
        const std::string fresh = text.substr(m_reported);
        m_reported = text.size();
        return fresh;
    }

    std::size_t m_reported = 0;
};

TEST_F(SessionConverter, SingleValueStatements)
{
    EXPECT_TRUE(Convert({"Languages", "\"English\""}));
    EXPECT_EQ(Value("Document ID", "Language"), "ENU");
    Convert({"Languages", "\"Portuguese\""});
    EXPECT_EQ(Value("Document ID", "Language"), "PTG");
    Convert({"Languages", "\"Deutsch\""});
    EXPECT_EQ(Value("Document ID", "Language"), "DEU");
    Convert({"StatusBar", "True"});
    Convert({"NoSuchStatement", "1"});
    EXPECT_EQ(Report(), "Unconverted property:\tStatusBar=True\nUnreconnized property:\tNoSuchStatement\n");
    EXPECT_EQ(m_converter.m_unconverted, 1);
    EXPECT_EQ(m_converter.m_unrecognized, 1);
}

TEST_F(SessionConverter, GroupsPropertiesAndWhatIsReported)
{
    Convert({"Plotter", "Pens", "\"8\"", "Speed", "\"2\""});
    Convert({"Display", "Red", "\"1\"", "Horizontal", "True", "Columns", "\"132\"", "Scroll", "\"Disabled\""});
    Convert({"Communications.Setup", "Flow", "\"Xon/Xoff\"", "ModemDisconnect", "\"Never\""});
    Convert({"CaptureSetup", "FileName", "\"QIMVT.TXT\""}); // known, not carried over: silent
    EXPECT_EQ(Report(), "Unreconnized property:\tPlotter\n"
                        "Unreconnized property:\tRed\n"
                        "Unconverted property:\tHorizontal=True\n"
                        "Unconverted property:\tScroll=\"Disabled\"\n"
                        "Unconverted property:\tFlow=\"Xon/Xoff\"\n");
    EXPECT_EQ(Value("Terminal", "DispColumns"), "132");
    EXPECT_EQ(Value("Terminal", "DispCouplingHorz"), kAbsent);
    EXPECT_EQ(Value("Connection", "Disconnect"), "FALSE");
}

TEST_F(SessionConverter, GraphicsDisableLocatorAndProxies)
{
    Convert({"Graphics", "NoSuchProperty", "1"});
    EXPECT_EQ(Value("Terminal", "Name"), "VT340");
    EXPECT_EQ(Value("Terminal", "TermModel"), "340");
    WriteFile(m_session, "");
    Convert({"graphics", "NoSuchProperty", "1"}); // the name as written decides
    EXPECT_EQ(Value("Terminal", "TermModel"), kAbsent);

    Convert({"Terminal", "DisableLocator", "False"});
    EXPECT_EQ(Value("Terminal", "GenDisableLocatorMode"), "True");
    WriteFile(m_session, "");
    Convert({"Terminal", "DisableLocator", "\"x\""});
    EXPECT_EQ(Value("Terminal", "GenDisableLocatorMode"), kAbsent);

    EXPECT_EQ(Report(), "Unreconnized property:\tNoSuchProperty\nUnreconnized property:\tNoSuchProperty\n"
                        "Unconverted property:\tDisableLocator=\"x\"\n");
    Convert({"Communications.Proxies", "UseFTPProxy", "False", "UseSOCKSProxy", "True", "UseTelnetProxy", "False"});
    EXPECT_EQ(Value("Connection", "WhichProxy"), "2");
    Convert({"Communications.Proxies", "TelnetCommand", "\"x\\\"abcd\\\"\""});
    EXPECT_EQ(Value("Connection", "TelnetCommand"), "abc");
    EXPECT_EQ(Report(), "");
}

TEST_F(SessionConverter, LookupKindsAndTheirRefusals)
{
    Convert({"History", "MaximumSize", "\"Unlimited\""});
    EXPECT_EQ(Value("Terminal", "HistMaxSize"), "Unlimited");
    Convert({"History", "MaximumSize", "\"512K\""});
    EXPECT_EQ(Value("Terminal", "HistMaxSize"), "512");
    Convert({"History", "FileName", "\"C:\\\\QIM\\\\\"+\"hist.log\""});
    EXPECT_EQ(Value("Terminal", "HistFilename"), m_desk.Sessions() + kSep + "hist.log");
    Convert({"Keyboard", "F3Key", "\"Setup\"", "Layout", "\"LK450\""});
    EXPECT_EQ(Value("Terminal", "KeyF3"), "Compose");
    EXPECT_EQ(m_converter.GetKeyboardLayout(), "LK450");
    Convert({"FileTransfer", "FileType", "\"Binary\""});
    EXPECT_EQ(Value("FT Settings Scheme", "FileTypeAutomatic"), "1");
    Convert({"FileTransfer.KermitOptions", "BlockCheck", "\"crc\""});
    EXPECT_EQ(Value("File Transfer", "BlockCheck"), "CRC");
    Convert({"Printer", "ClosePrintJobIdleTimer", "\"5min\"", "Fontsize", "\"Current\""});
    EXPECT_EQ(Value("Terminal", "PrntFinishPrintingIdleTimer"), "5 Min");
    Report();
    Convert({"FileTransfer", "FileType", "\"Other\""});
    Convert({"Printer", "ClosePrintJobIdleTimer", "\"3min\""});
    EXPECT_EQ(Report(), "Unconverted property:\tFileType=\"Other\"\nUnconverted property:\tClosePrintJobIdleTimer=\"3min\"\n");
}

TEST_F(SessionConverter, ToolComponentsComeFromTheCatalogues)
{
    Convert({"Communications", "Port", "\"Telnet\""});
    EXPECT_EQ(Value("Connection", "CPType"), "TCPIP");
    EXPECT_EQ(Value("Connection", "DevModel"), "WINSOCK");
    EXPECT_EQ(Value("Connection", "CPModule"), "TQTEL.DLL");
    EXPECT_EQ(Value("Connection", "Name"), "Telnet over TCP");
    Convert({"FileTransfer", "Protocol", "\"Kermit\""});
    EXPECT_EQ(Value("File Transfer", "CPType"), "FTKERMIT");
    EXPECT_EQ(Value("File Transfer", "DevModel"), kAbsent);
    EXPECT_EQ(Value("File Transfer", "Name"), "Kermit");
    Convert({"FileTransfer", "Protocol", "\"Zmodem\""}); // not in the catalogue
    EXPECT_EQ(Report(), "Unconverted property:\tProtocol=\"Zmodem\"\n");
}

TEST_F(SessionConverter, StartupMacroThatCannotBeReadGivesUpTheStatement)
{
    EXPECT_FALSE(Convert({"MacroOptions", "Startup", "\"" + m_desk.Path("missing.qtm") + "\""}));
    EXPECT_EQ(Value("Session", "StartupScript"), kAbsent);
}

TEST_F(SessionConverter, OddListsNeverReadPastTheEnd)
{
    EXPECT_TRUE(Convert({"Display", "Columns", "\"80\"", "Lines"}));
    EXPECT_TRUE(Convert({"Display"}));
    EXPECT_TRUE(Convert({"Display", "Columns"})); // two elements: a single-value statement
    EXPECT_EQ(Value("Terminal", "DispColumns"), "80");
    EXPECT_EQ(Report(), "Unconverted property:\tLines=\nUnreconnized property:\tDisplay\n");
}

} // namespace
