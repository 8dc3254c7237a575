// Map from a source (group, property) pair to its place in the target session
// file and the value kind that selects how the value is translated. Lookups
// take the first row whose group and property match.
//
// Group 0 holds single-value statements; their property index is an index in
// StatementNames instead of PropertyNames. A row with key 0 is a property that
// is known but not carried over.
#include "converters/NameTables.h"

const PropertyMapRow PropertyMap[373] = {
    // Properties carried over (or translated by a dedicated converter).
    { 54, 193, 13, 400, 24 }, // ViewInfo / PositionX -> Session / X
    { 54, 194, 13, 402, 24 }, // ViewInfo / PositionY -> Session / Y
    { 54, 254, 13, 61, 24 },  // ViewInfo / SizeX -> Session / CX
    { 54, 255, 13, 62, 24 },  // ViewInfo / SizeY -> Session / CY
    { 0, 5, 3, 198, 31 },     // statement / Languages -> Document ID / Language
    { 41, 107, 14, 113, 24 }, // NewFonts / Font -> Terminal / FontFace
    { 41, 108, 14, 114, 33 }, // NewFonts / Fontsize -> Terminal / FontSize
    { 47, 167, 14, 130, 24 }, // Terminal / Mode -> Terminal / GenTerminalMode
    { 47, 64, 14, 124, 22 },  // Terminal / DAResponse -> Terminal / GenDAResponse
    { 47, 61, 14, 122, 24 },  // Terminal / CustomPrimaryDA -> Terminal / GenCustomPriDA
    { 47, 62, 14, 123, 24 },  // Terminal / CustomSecondaryDA -> Terminal / GenCustomSecDA
    { 47, 13, 14, 120, 24 },  // Terminal / Answerback -> Terminal / GenAnswerback
    { 47, 42, 14, 121, 24 },  // Terminal / CharacterSetMode -> Terminal / GenCharSetMode
    { 47, 295, 14, 131, 24 }, // Terminal / UserPreferredCharacterSet -> Terminal / GenUPCS
    { 47, 172, 14, 129, 13 }, // Terminal / NationalCharacterSet -> Terminal / GenNCS
    { 47, 289, 14, 132, 4 },  // Terminal / UseEuroforinternationalcurrencysymbol -> Terminal / GenUseEuro
    { 47, 143, 14, 126, 4 },  // Terminal / LocalEcho -> Terminal / GenLocalEcho
    { 47, 148, 14, 128, 4 },  // Terminal / LockUserKeys -> Terminal / GenLockUserKeys
    { 47, 147, 14, 127, 4 },  // Terminal / LockUserFeatures -> Terminal / GenLockUserFeatures
    { 47, 71, 14, 125, 4 },   // Terminal / DisableLocator -> Terminal / GenDisableLocatorMode
    { 11, 51, 14, 71, 24 },   // Display / Columns -> Terminal / DispColumns
    { 11, 138, 14, 80, 24 },  // Display / Lines -> Terminal / DispLines
    { 11, 222, 14, 82, 10 },  // Display / Scroll -> Terminal / DispScroll
    { 11, 262, 14, 83, 24 },  // Display / StatusDisplay -> Terminal / DispStatusDisplay
    { 11, 243, 14, 77, 4 },   // Display / Show -> Terminal / DispCursorShow
    { 11, 26, 14, 76, 4 },    // Display / Block -> Terminal / DispCursorBlock
    { 11, 25, 14, 75, 4 },    // Display / Blink -> Terminal / DispCursorBlink
    { 11, 121, 14, 72, 0 },   // Display / Horizontal -> Terminal / DispCouplingHorz
    { 11, 299, 14, 74, 0 },   // Display / Vertical -> Terminal / DispCouplingVert
    { 11, 185, 14, 73, 4 },   // Display / Page -> Terminal / DispCouplingPage
    { 11, 173, 14, 81, 4 },   // Display / NewLine -> Terminal / DispNewLine
    { 11, 19, 14, 70, 4 },    // Display / AutoWrap -> Terminal / DispAutoWrap
    { 11, 281, 14, 85, 4 },   // Display / Transparent -> Terminal / DispTransparent
    { 11, 131, 14, 78, 4 },   // Display / InverseScreen -> Terminal / DispInverseScreen
    { 14, 51, 14, 84, 9 },    // Display.Tabs / Columns -> Terminal / DispTabColumns
    { 13, 290, 14, 39, 4 },   // Display.Colors / Useexactcolors -> Terminal / ClrExactColors
    { 13, 146, 14, 40, 4 },   // Display.Colors / Lockusercolors -> Terminal / ClrLockColors
    { 13, 303, 14, 38, 16 },  // Display.Colors / VTColorIndex -> Terminal / ClrCurrent
    { 13, 207, 14, 310, 16 }, // Display.Colors / Red -> Terminal / R
    { 13, 118, 14, 119, 16 }, // Display.Colors / Green -> Terminal / G
    { 13, 29, 14, 9, 16 },    // Display.Colors / Blue -> Terminal / B
    { 12, 14, 1, 0, 24 },     // Display.Attributes / Attribute -> Color Scheme / -
    { 12, 30, 1, 208, 4 },    // Display.Attributes / Bold -> Color Scheme / MapColorBold
    { 12, 286, 1, 210, 4 },   // Display.Attributes / Underline -> Color Scheme / MapColorUnderline
    { 12, 130, 1, 209, 4 },   // Display.Attributes / Inverse -> Color Scheme / MapColorInverse
    { 12, 25, 1, 207, 4 },    // Display.Attributes / Blink -> Color Scheme / MapColorBlink
    { 12, 132, 14, 79, 4 },   // Display.Attributes / ISOColors -> Terminal / DispISOColors
    { 3, 191, 2, 213, 5 },    // Communications / Port -> Connection / Name
    { 5, 168, 2, 225, 24 },   // Communications.Setup / Modem -> Connection / Port
    { 5, 69, 2, 67, 7 },      // Communications.Setup / DevSetup -> Connection / DevSetup
    { 5, 190, 2, 224, 24 },   // Communications.Setup / Phonenumber -> Connection / Phonenumber
    { 5, 54, 2, 54, 24 },     // Communications.Setup / CountryCode -> Connection / CountryCode
    { 5, 288, 2, 393, 4 },    // Communications.Setup / UseCountryCodeandAreaCode -> Connection / UseCodes
    { 5, 157, 2, 315, 24 },   // Communications.Setup / Maximumredialsonbusyornoanswer -> Connection / RedialCount
    { 5, 276, 2, 316, 21 },   // Communications.Setup / Timebetweenredials -> Connection / RedialTime
    { 5, 122, 2, 154, 24 },   // Communications.Setup / Host -> Connection / HostName
    { 5, 197, 2, 241, 20 },   // Communications.Setup / Promptforhostduringconnect -> Connection / PromptHost
    { 5, 5, 2, 6, 1 },        // Communications.Setup / Actiononhostdisconnect -> Connection / AutoReconnect
    { 5, 271, 2, 374, 23 },   // Communications.Setup / TerminalType -> Connection / TermTypeOption
    { 5, 47, 2, 60, 24 },     // Communications.Setup / Custom -> Connection / CustomTType
    { 5, 191, 2, 225, 24 },   // Communications.Setup / Port -> Connection / Port
    { 5, 23, 2, 348, 24 },    // Communications.Setup / BaudRate -> Connection / Speed
    { 5, 65, 2, 63, 24 },     // Communications.Setup / DataBits -> Connection / DataBits
    { 5, 263, 2, 353, 24 },   // Communications.Setup / StopBits -> Connection / StopBits
    { 5, 187, 2, 222, 24 },   // Communications.Setup / Parity -> Connection / Parity
    { 5, 106, 2, 112, 0 },    // Communications.Setup / Flow -> Connection / Flow
    { 5, 205, 2, 401, 24 },   // Communications.Setup / ReceiveXoffPoint -> Connection / XoffPoint
    { 5, 169, 2, 69, 8 },     // Communications.Setup / ModemDisconnect -> Connection / Disconnect
    { 6, 269, 2, 225, 24 },   // Communications.Setup.Advanced / TelnetPort -> Connection / Port
    { 6, 186, 2, 221, 18 },   // Communications.Setup.Advanced / PairCRwith -> Connection / PairCRWithLF
    { 6, 127, 2, 162, 4 },    // Communications.Setup.Advanced / InitiateOptionNegotiation -> Connection / InitiateNegotiation
    { 6, 65, 2, 63, 6 },      // Communications.Setup.Advanced / DataBits -> Connection / DataBits
    { 4, 291, 2, 397, 25 },   // Communications.Proxies / UseFTPProxy -> Connection / WhichProxy
    { 4, 113, 2, 117, 24 },   // Communications.Proxies / FTPProxy -> Connection / FTPProxy
    { 4, 112, 2, 118, 24 },   // Communications.Proxies / FTPPort -> Connection / FTPProxyPort
    { 4, 297, 2, 397, 27 },   // Communications.Proxies / UseTelnetProxy -> Connection / WhichProxy
    { 4, 270, 2, 370, 24 },   // Communications.Proxies / TelnetProxy -> Connection / TelnetProxy
    { 4, 269, 2, 371, 24 },   // Communications.Proxies / TelnetPort -> Connection / TelnetProxyPort
    { 4, 268, 2, 369, 30 },   // Communications.Proxies / TelnetCommand -> Connection / TelnetCommand
    { 4, 296, 2, 397, 26 },   // Communications.Proxies / UseSOCKSProxy -> Connection / WhichProxy
    { 4, 257, 2, 346, 24 },   // Communications.Proxies / SOCKSProxy -> Connection / SOCKSProxy
    { 4, 256, 2, 347, 24 },   // Communications.Proxies / SOCKSPort -> Connection / SOCKSProxyPort
    { 15, 199, 5, 213, 11 },  // FileTransfer / Protocol -> File Transfer / Name
    { 15, 76, 6, 110, 24 },   // FileTransfer / DuplicateName -> FT Settings Scheme / Filename
    { 15, 55, 6, 57, 4 },     // FileTransfer / Crashrecovery -> FT Settings Scheme / CrashRecovery
    { 15, 224, 6, 336, 4 },   // FileTransfer / SendFullPath -> FT Settings Scheme / SendFullPath
    { 15, 293, 6, 394, 4 },   // FileTransfer / UsePath -> FT Settings Scheme / UsePath
    { 15, 57, 6, 58, 4 },     // FileTransfer / CreatePath -> FT Settings Scheme / CreatePath
    { 15, 206, 6, 314, 4 },   // FileTransfer / RecurseSubdirectories -> FT Settings Scheme / RecurseSubdirs
    { 15, 204, 6, 313, 24 },  // FileTransfer / Receiveto -> FT Settings Scheme / ReceiveTo
    { 15, 105, 6, 111, 12 },  // FileTransfer / FileType -> FT Settings Scheme / FileTypeAutomatic
    { 15, 221, 6, 330, 4 },   // FileTransfer / Scanunknownfiletodeterminetype -> FT Settings Scheme / Scan
    { 15, 273, 6, 377, 24 },  // FileTransfer / Textfiles -> FT Settings Scheme / Textfiles
    { 23, 17, 5, 8, 4 },      // FileTransfer.ZmodemOptions / Automaticallystartreceive -> File Transfer / AutoStart
    { 18, 259, 5, 349, 24 },  // FileTransfer.KermitOptions / StartHostReceiving -> File Transfer / StartHostRecv
    { 18, 260, 5, 350, 24 },  // FileTransfer.KermitOptions / StartHostSending -> File Transfer / StartHostSend
    { 18, 200, 5, 308, 24 },  // FileTransfer.KermitOptions / QuitHostserver -> File Transfer / QuitHostserver
    { 18, 201, 5, 309, 4 },   // FileTransfer.KermitOptions / Quitserveratendofeachtransfer -> File Transfer / QuitServerAtEnd
    { 18, 208, 5, 318, 24 },  // FileTransfer.KermitOptions / RemoteKermit -> File Transfer / RemoteKermit
    { 18, 27, 5, 18, 3 },     // FileTransfer.KermitOptions / BlockCheck -> File Transfer / BlockCheck
    { 18, 215, 5, 327, 24 },  // FileTransfer.KermitOptions / RxPacketLength -> File Transfer / RxPacketLen
    { 18, 283, 5, 387, 24 },  // FileTransfer.KermitOptions / TxPacketMaxLength -> File Transfer / TxPacketMaxLen
    { 18, 305, 5, 398, 24 },  // FileTransfer.KermitOptions / WindowRequest -> File Transfer / WindowRequest
    { 19, 216, 5, 328, 24 },  // FileTransfer.KermitOptions.Advanced / RxPacketStartChar -> File Transfer / RxPacketStartChar
    { 19, 284, 5, 388, 24 },  // FileTransfer.KermitOptions.Advanced / TxPacketStartChar -> File Transfer / TxPacketStartChar
    { 19, 88, 5, 105, 4 },    // FileTransfer.KermitOptions.Advanced / EnableTxPacketEndChar -> File Transfer / EnableTxPacketEndChar
    { 19, 282, 5, 386, 24 },  // FileTransfer.KermitOptions.Advanced / TxPacketEndChar -> File Transfer / TxPacketEndChar
    { 19, 217, 5, 329, 24 },  // FileTransfer.KermitOptions.Advanced / RxTimeoutinseconds -> File Transfer / RxTimeout
    { 19, 285, 5, 389, 24 },  // FileTransfer.KermitOptions.Advanced / TxTimeoutinseconds -> File Transfer / TxTimeout
    { 19, 96, 5, 106, 24 },   // FileTransfer.KermitOptions.Advanced / ErrorRetryLimit -> File Transfer / ErrorRetryLimit
    { 19, 53, 5, 52, 24 },    // FileTransfer.KermitOptions.Advanced / ControlQuoteCharacter -> File Transfer / ControlQuoteChar
    { 19, 83, 5, 102, 4 },    // FileTransfer.KermitOptions.Advanced / Enable8thBitQuoting -> File Transfer / Enable8BitQuoting
    { 19, 80, 5, 1, 24 },     // FileTransfer.KermitOptions.Advanced / EightBitQuoteCharacter -> File Transfer / 8BitQuoteChar
    { 19, 84, 5, 103, 4 },    // FileTransfer.KermitOptions.Advanced / EnableCompression -> File Transfer / EnableCompression
    { 19, 52, 5, 51, 24 },    // FileTransfer.KermitOptions.Advanced / CompressionCharacter -> File Transfer / CompressionChar
    { 19, 184, 5, 219, 24 },  // FileTransfer.KermitOptions.Advanced / PadCharacter -> File Transfer / PadChar
    { 19, 166, 5, 216, 24 },  // FileTransfer.KermitOptions.Advanced / No -> File Transfer / NumOfPadChar
    { 19, 15, 5, 4, 4 },      // FileTransfer.KermitOptions.Advanced / AttributePackets -> File Transfer / AttributePackets
    { 17, 122, 5, 154, 24 },  // FileTransfer.FTPOptions / Host -> File Transfer / HostName
    { 17, 294, 5, 395, 24 },  // FileTransfer.FTPOptions / Userid -> File Transfer / UserId
    { 17, 2, 5, 2, 24 },      // FileTransfer.FTPOptions / Account -> File Transfer / Account
    { 17, 112, 5, 116, 24 },  // FileTransfer.FTPOptions / FTPPort -> File Transfer / FTPPort
    { 17, 188, 5, 223, 4 },   // FileTransfer.FTPOptions / Passivemodetransfers -> File Transfer / PassiveMode
    { 20, 225, 6, 214, 24 },  // FileTransfer.TextFileOptions / Sendnewlinesas -> FT Settings Scheme / NewLine
    { 31, 134, 0, 0, 28 },    // Keyboard / Layout -> -
    { 31, 133, 14, 178, 24 }, // Keyboard / KeypadMode -> Terminal / KeyKeypadMode
    { 31, 60, 14, 172, 24 },  // Keyboard / CursorKeyMode -> Terminal / KeyCursorKeyMode
    { 31, 22, 14, 171, 24 },  // Keyboard / BackspaceKey -> Terminal / KeyBackspace
    { 31, 99, 14, 173, 24 },  // Keyboard / F1Key -> Terminal / KeyF1
    { 31, 100, 14, 174, 24 }, // Keyboard / F2Key -> Terminal / KeyF2
    { 31, 101, 14, 175, 17 }, // Keyboard / F3Key -> Terminal / KeyF3
    { 31, 102, 14, 176, 24 }, // Keyboard / F4Key -> Terminal / KeyF4
    { 31, 103, 14, 177, 4 },  // Keyboard / F5Key -> Terminal / KeyF5
    { 31, 152, 14, 181, 4 },  // Keyboard / Margin -> Terminal / KeyMarginBell
    { 31, 304, 14, 197, 4 },  // Keyboard / Warning -> Terminal / KeyWarningBell
    { 33, 239, 14, 193, 24 }, // Keyboard.UDKs / ShiftF6 -> Terminal / KeyUDKF6
    { 33, 240, 14, 194, 24 }, // Keyboard.UDKs / ShiftF7 -> Terminal / KeyUDKF7
    { 33, 241, 14, 195, 24 }, // Keyboard.UDKs / ShiftF8 -> Terminal / KeyUDKF8
    { 33, 242, 14, 196, 24 }, // Keyboard.UDKs / ShiftF9 -> Terminal / KeyUDKF9
    { 33, 228, 14, 182, 24 }, // Keyboard.UDKs / ShiftF10 -> Terminal / KeyUDKF10
    { 33, 229, 14, 183, 24 }, // Keyboard.UDKs / ShiftF11 -> Terminal / KeyUDKF11
    { 33, 230, 14, 184, 24 }, // Keyboard.UDKs / ShiftF12 -> Terminal / KeyUDKF12
    { 33, 231, 14, 185, 24 }, // Keyboard.UDKs / ShiftF13 -> Terminal / KeyUDKF13
    { 33, 232, 14, 186, 24 }, // Keyboard.UDKs / ShiftF14 -> Terminal / KeyUDKF14
    { 33, 233, 14, 187, 24 }, // Keyboard.UDKs / ShiftF15 -> Terminal / KeyUDKF15
    { 33, 234, 14, 188, 24 }, // Keyboard.UDKs / ShiftF16 -> Terminal / KeyUDKF16
    { 33, 235, 14, 189, 24 }, // Keyboard.UDKs / ShiftF17 -> Terminal / KeyUDKF17
    { 33, 236, 14, 190, 24 }, // Keyboard.UDKs / ShiftF18 -> Terminal / KeyUDKF18
    { 33, 237, 14, 191, 24 }, // Keyboard.UDKs / ShiftF19 -> Terminal / KeyUDKF19
    { 33, 238, 14, 192, 24 }, // Keyboard.UDKs / ShiftF20 -> Terminal / KeyUDKF20
    { 32, 298, 0, 0, 29 },    // Keyboard.Mapping / Value -> -
    { 27, 73, 14, 134, 4 },   // Graphics / DisplayList -> Terminal / GrfxBackingStoreDispList
    { 27, 24, 14, 133, 4 },   // Graphics / Bitmap -> Terminal / GrfxBackingStoreBitmap
    { 27, 117, 14, 138, 4 },  // Graphics / GraphicsCursor -> Terminal / GrfxGraphicsCursor
    { 27, 149, 14, 140, 4 },  // Graphics / MacrographReport -> Terminal / GrfxMacroGraphReport
    { 27, 252, 14, 143, 4 },  // Graphics / SixelScrolling -> Terminal / GrfxSixelScrolling
    { 27, 125, 14, 139, 4 },  // Graphics / IgnoreRequests -> Terminal / GrfxIgnoreRequests
    { 27, 21, 14, 135, 4 },   // Graphics / BackgroundPrinting -> Terminal / GrfxBgPrinting
    { 27, 49, 14, 136, 4 },   // Graphics / ColorPrinting -> Terminal / GrfxColorPrinting
    { 27, 250, 14, 141, 24 }, // Graphics / SixelGraphicsLevel -> Terminal / GrfxSixelGraphicsLevel
    { 27, 251, 14, 142, 24 }, // Graphics / SixelPrintOption -> Terminal / GrfxSixelPrintOption
    { 27, 50, 14, 137, 24 },  // Graphics / ColorSpecification -> Terminal / GrfxColorSpecification
    { 27, 58, 14, 359, 24 },  // Graphics / CReffect -> Terminal / TekCREffect
    { 27, 135, 14, 364, 24 }, // Graphics / LFeffect -> Terminal / TekLFEffect
    { 27, 32, 14, 356, 24 },  // Graphics / BSeffect -> Terminal / TekBSEffect
    { 27, 67, 14, 360, 24 },  // Graphics / DELeffect -> Terminal / TekDELEffect
    { 27, 115, 14, 363, 24 }, // Graphics / GINterminator -> Terminal / TekGINTerminator
    { 27, 302, 14, 368, 4 },  // Graphics / VT640compatible -> Terminal / TekVT640Compatible
    { 27, 40, 14, 357, 24 },  // Graphics / Characters -> Terminal / TekCharacters
    { 27, 111, 14, 362, 24 }, // Graphics / Fonttype -> Terminal / TekFontType
    { 27, 183, 14, 367, 24 }, // Graphics / Overwrite -> Terminal / TekOverwrite
    { 27, 41, 14, 358, 24 },  // Graphics / Characterset -> Terminal / TekCharacterSet
    { 27, 139, 14, 365, 24 }, // Graphics / Linestylemap -> Terminal / TekLineStyleMap
    { 27, 153, 14, 366, 24 }, // Graphics / Margincontrol -> Terminal / TekMarginControl
    { 27, 18, 14, 355, 24 },  // Graphics / Autoprint -> Terminal / TekAutoPrint
    { 27, 72, 14, 361, 24 },  // Graphics / Display -> Terminal / TekDisplay
    { 36, 78, 14, 93, 24 },   // LocalEdit / EditMode -> Terminal / EditMode
    { 36, 114, 14, 89, 24 },  // LocalEdit / FunctionKeys -> Terminal / EditFunctionKeys
    { 36, 91, 14, 87, 24 },   // LocalEdit / EOLChars -> Terminal / EditEOLChars
    { 36, 90, 14, 86, 24 },   // LocalEdit / EOBChars -> Terminal / EditEOBChars
    { 36, 278, 14, 99, 4 },   // LocalEdit / TransferTermination -> Terminal / EditTransferTermination
    { 36, 258, 14, 98, 4 },   // LocalEdit / SpaceCompression -> Terminal / EditSpaceCompression
    { 36, 140, 14, 92, 4 },   // LocalEdit / LineTransmit -> Terminal / EditLineTransmit
    { 36, 175, 14, 95, 4 },   // LocalEdit / NewLineScrolling -> Terminal / EditNewLineScrolling
    { 36, 95, 14, 88, 4 },    // LocalEdit / ErasureMode -> Terminal / EditErasureMode
    { 36, 77, 14, 91, 24 },   // LocalEdit / EditKey -> Terminal / EditKey
    { 36, 279, 14, 100, 24 }, // LocalEdit / Transmit -> Terminal / EditTransmit
    { 36, 301, 14, 101, 24 }, // LocalEdit / VT131Transfer -> Terminal / EditVT131Transfer
    { 36, 119, 14, 90, 24 },  // LocalEdit / GuardedArea -> Terminal / EditGuardedArea
    { 36, 223, 14, 97, 24 },  // LocalEdit / SelectedArea -> Terminal / EditSelectedArea
    { 36, 171, 14, 94, 24 },  // LocalEdit / MultipleArea -> Terminal / EditMultipleArea
    { 44, 68, 13, 272, 24 },  // PrinterName / Device -> Session / PsPrinterName
    { 43, 167, 14, 235, 24 }, // Printer / Mode -> Terminal / PrntMode
    { 43, 46, 14, 231, 19 },  // Printer / ClosePrintJobIdleTimer -> Terminal / PrntFinishPrintingIdleTimer
    { 43, 98, 14, 230, 24 },  // Printer / Extent -> Terminal / PrntExtent
    { 43, 272, 14, 239, 24 }, // Printer / Terminator -> Terminal / PrntTerminator
    { 43, 81, 14, 229, 4 },   // Printer / EmulateANSIPrinter -> Terminal / PrntEmulateAnsiPrinter
    { 43, 37, 14, 228, 4 },   // Printer / Bypassprinterdriver -> Terminal / PrntBypassPrinterDriver
    { 43, 195, 14, 236, 4 },  // Printer / Printbackground -> Terminal / PrntPrintBg
    { 43, 196, 14, 237, 4 },  // Printer / Printcolors -> Terminal / PrntPrintColors
    { 43, 213, 14, 238, 4 },  // Printer / Reverseblackandwhitecolors -> Terminal / PrntReverseBW
    { 43, 287, 14, 240, 4 },  // Printer / Usebitmap -> Terminal / PrntUseBitmap
    { 43, 16, 14, 227, 4 },   // Printer / Automatic -> Terminal / PrntAutoFontSelection
    { 43, 107, 14, 232, 24 }, // Printer / Font -> Terminal / PrntFont
    { 43, 110, 14, 234, 0 },  // Printer / FontStyle -> Terminal / PrntFontStyle
    { 43, 108, 14, 233, 24 }, // Printer / Fontsize -> Terminal / PrntFontSize
    { 28, 85, 14, 146, 4 },   // History / EnableHistory -> Terminal / HistEnable
    { 28, 158, 14, 148, 15 }, // History / MaximumSize -> Terminal / HistMaxSize
    { 28, 212, 14, 149, 4 },  // History / RetainHistory -> Terminal / HistRetain
    { 28, 126, 14, 150, 4 },  // History / IncludeScrollingRegionData -> Terminal / HistScrollingRegion
    { 28, 104, 14, 147, 14 }, // History / FileName -> Terminal / HistFilename
    { 1, 298, 0, 0, 29 },     // ButtonPad / Value -> -
    { 39, 43, 0, 403, 0 },    // Menus / Check -> - / Checked
    { 39, 70, 0, 104, 0 },    // Menus / Dim -> - / Enabled
    { 39, 120, 0, 404, 0 },   // Menus / Hide -> - / Hidden
    { 40, 298, 0, 0, 29 },    // Mouse / Value -> -
    { 50, 292, 9, 199, 32 },  // ToolbarMapping / Uselargebuttons -> QuickBar / LargeButtons
    { 50, 248, 9, 384, 32 },  // ToolbarMapping / ShowToolTips -> QuickBar / ToolTips
    { 50, 298, 0, 0, 29 },    // ToolbarMapping / Value -> -
    { 38, 261, 13, 351, 24 }, // MacroOptions / Startup -> Session / StartupScript

    // Properties known but not carried over.
    { 2, 104, 0, 0, 0 },      // CaptureSetup / FileName -> -
    { 2, 264, 0, 0, 0 },      // CaptureSetup / Stripescapesequences -> -
    { 35, 87, 0, 0, 0 },      // Links / Enableremoteupdates -> -
    { 35, 176, 0, 0, 0 },     // Links / Nochangefor -> -
    { 35, 155, 0, 0, 0 },     // Links / Maxdelay -> -
    { 0, 3, 0, 0, 0 },        // statement / Fonts -> -
    { 0, 7, 0, 0, 0 },        // statement / Menu -> -
    { 0, 11, 0, 0, 0 },       // statement / VerticalScrollBar -> -
    { 0, 4, 0, 0, 0 },        // statement / HorizontalScrollBar -> -
    { 0, 9, 0, 0, 0 },        // statement / StatusBar -> -
    { 0, 8, 0, 0, 0 },        // statement / PageButtons -> -
    { 0, 13, 0, 0, 0 },       // statement / VTStatusLine -> -
    { 0, 12, 0, 0, 0 },       // statement / VTKeyboard -> -
    { 0, 2, 0, 0, 0 },        // statement / Buttons -> -
    { 0, 10, 0, 0, 0 },       // statement / ToolBar -> -
    { 0, 1, 0, 0, 0 },        // statement / AutoConnect -> -
    { 0, 6, 0, 0, 0 },        // statement / Local -> -
    { 54, 159, 0, 0, 0 },     // ViewInfo / MaxPosX -> -
    { 54, 160, 0, 0, 0 },     // ViewInfo / MaxPosY -> -
    { 54, 48, 0, 0, 0 },      // ViewInfo / CmdShow -> -
    { 54, 107, 0, 0, 0 },     // ViewInfo / Font -> -
    { 54, 35, 0, 0, 0 },      // ViewInfo / ButtonX -> -
    { 54, 36, 0, 0, 0 },      // ViewInfo / ButtonY -> -
    { 54, 162, 0, 0, 0 },     // ViewInfo / MiniKBX -> -
    { 54, 163, 0, 0, 0 },     // ViewInfo / MiniKBY -> -
    { 41, 249, 0, 0, 0 },     // NewFonts / Showzerowithaslash -> -
    { 41, 265, 0, 0, 0 },     // NewFonts / Style -> -
    { 41, 165, 0, 0, 0 },     // NewFonts / Minimumfontsize -> -
    { 41, 253, 0, 0, 0 },     // NewFonts / Size -> -
    { 48, 9, 0, 0, 0 },       // TerminalModes / AllModes -> -
    { 13, 210, 0, 0, 0 },     // Display.Colors / Reset -> -
    { 12, 210, 0, 0, 0 },     // Display.Attributes / Reset -> -
    { 8, 11, 0, 0, 0 },       // CommunicationsPorts / AllPorts -> -
    { 8, 191, 0, 0, 0 },      // CommunicationsPorts / Port -> -
    { 8, 4, 0, 0, 0 },        // CommunicationsPorts / Action -> -
    { 3, 267, 0, 0, 0 },      // Communications / TCPType -> -
    { 3, 136, 0, 0, 0 },      // Communications / LimitTransmitRate -> -
    { 3, 202, 0, 0, 0 },      // Communications / Rate -> -
    { 5, 63, 0, 0, 0 },       // Communications.Setup / Customterminaltype -> -
    { 5, 294, 0, 0, 0 },      // Communications.Setup / Userid -> -
    { 5, 279, 0, 0, 0 },      // Communications.Setup / Transmit -> -
    { 5, 203, 0, 0, 0 },      // Communications.Setup / Receive -> -
    { 5, 124, 0, 0, 0 },      // Communications.Setup / HostsFile -> -
    { 5, 245, 0, 0, 0 },      // Communications.Setup / ShowHexNetworkData -> -
    { 5, 247, 0, 0, 0 },      // Communications.Setup / ShowNegotiations -> -
    { 5, 44, 0, 0, 0 },       // Communications.Setup / CheckParity -> -
    { 6, 137, 0, 0, 0 },      // Communications.Setup.Advanced / LineOutputMode -> -
    { 6, 275, 0, 0, 0 },      // Communications.Setup.Advanced / TieLineOutputModeto -> -
    { 6, 226, 0, 0, 0 },      // Communications.Setup.Advanced / SendsynchwithIP -> -
    { 6, 274, 0, 0, 0 },      // Communications.Setup.Advanced / TieBinaryto8bit -> -
    { 6, 144, 0, 0, 0 },      // Communications.Setup.Advanced / LocalSpecialCharProcessing -> -
    { 7, 173, 0, 0, 0 },      // Communications.Setup.Advanced.SpecialCharacters / NewLine -> -
    { 7, 141, 0, 0, 0 },      // Communications.Setup.Advanced.SpecialCharacters / Literal -> -
    { 7, 92, 0, 0, 0 },       // Communications.Setup.Advanced.SpecialCharacters / Erase -> -
    { 7, 94, 0, 0, 0 },       // Communications.Setup.Advanced.SpecialCharacters / EraseWord -> -
    { 7, 93, 0, 0, 0 },       // Communications.Setup.Advanced.SpecialCharacters / EraseLine -> -
    { 7, 209, 0, 0, 0 },      // Communications.Setup.Advanced.SpecialCharacters / Reprint -> -
    { 7, 266, 0, 0, 0 },      // Communications.Setup.Advanced.SpecialCharacters / Synch -> -
    { 7, 129, 0, 0, 0 },      // Communications.Setup.Advanced.SpecialCharacters / Interrupt -> -
    { 7, 31, 0, 0, 0 },       // Communications.Setup.Advanced.SpecialCharacters / BreakExtra -> -
    { 7, 1, 0, 0, 0 },        // Communications.Setup.Advanced.SpecialCharacters / AbortOutput -> -
    { 7, 20, 0, 0, 0 },       // Communications.Setup.Advanced.SpecialCharacters / AYT -> -
    { 24, 12, 0, 0, 0 },      // FileTransferProtocols / AllProtocols -> -
    { 21, 259, 0, 0, 0 },     // FileTransfer.XmodemOptions / StartHostReceiving -> -
    { 21, 260, 0, 0, 0 },     // FileTransfer.XmodemOptions / StartHostSending -> -
    { 21, 28, 0, 0, 0 },      // FileTransfer.XmodemOptions / BlockSize1K -> -
    { 21, 3, 0, 0, 0 },       // FileTransfer.XmodemOptions / AckTimeout -> -
    { 21, 56, 0, 0, 0 },      // FileTransfer.XmodemOptions / CRC16bit -> -
    { 22, 259, 0, 0, 0 },     // FileTransfer.YModemOptions / StartHostReceiving -> -
    { 22, 260, 0, 0, 0 },     // FileTransfer.YModemOptions / StartHostSending -> -
    { 22, 3, 0, 0, 0 },       // FileTransfer.YModemOptions / AckTimeout -> -
    { 22, 116, 0, 0, 0 },     // FileTransfer.YModemOptions / GOption -> -
    { 23, 259, 0, 0, 0 },     // FileTransfer.ZmodemOptions / StartHostReceiving -> -
    { 23, 260, 0, 0, 0 },     // FileTransfer.ZmodemOptions / StartHostSending -> -
    { 23, 10, 0, 0, 0 },      // FileTransfer.ZmodemOptions / Allowuncheckedcrashrecovery -> -
    { 23, 97, 0, 0, 0 },      // FileTransfer.ZmodemOptions / EscapeCRandDLE -> -
    { 23, 280, 0, 0, 0 },     // FileTransfer.ZmodemOptions / TransmitWindowRequest -> -
    { 16, 259, 0, 0, 0 },     // FileTransfer.ASCIIOptions / StartHostReceiving -> -
    { 16, 89, 0, 0, 0 },      // FileTransfer.ASCIIOptions / EndHostReceiving -> -
    { 16, 174, 0, 0, 0 },     // FileTransfer.ASCIIOptions / NewlineAs -> -
    { 16, 59, 0, 0, 0 },      // FileTransfer.ASCIIOptions / CTRLZisendoffile -> -
    { 16, 177, 0, 0, 0 },     // FileTransfer.ASCIIOptions / NullLinePadding -> -
    { 16, 39, 0, 0, 0 },      // FileTransfer.ASCIIOptions / Character -> -
    { 16, 136, 0, 0, 0 },     // FileTransfer.ASCIIOptions / LimitTransmitRate -> -
    { 16, 202, 0, 0, 0 },     // FileTransfer.ASCIIOptions / Rate -> -
    { 16, 264, 0, 0, 0 },     // FileTransfer.ASCIIOptions / Stripescapesequences -> -
    { 17, 128, 0, 0, 0 },     // FileTransfer.FTPOptions / Internetmailaddress -> -
    { 20, 59, 0, 0, 0 },      // FileTransfer.TextFileOptions / CTRLZisendoffile -> -
    { 20, 150, 0, 0, 0 },     // FileTransfer.TextFileOptions / MapnewlinestoCRLF -> -
    { 20, 7, 0, 0, 0 },       // FileTransfer.TextFileOptions / AddCTRLZatendoffile -> -
    { 31, 79, 0, 0, 0 },      // Keyboard / EditpadArrangement -> -
    { 32, 210, 0, 0, 0 },     // Keyboard.Mapping / Reset -> -
    { 32, 227, 0, 0, 0 },     // Keyboard.Mapping / Separateleft -> -
    { 32, 189, 0, 0, 0 },     // Keyboard.Mapping / PCKey -> -
    { 32, 151, 0, 0, 0 },     // Keyboard.Mapping / Mapto -> -
    { 44, 75, 0, 0, 0 },      // PrinterName / Driver -> -
    { 44, 191, 0, 0, 0 },     // PrinterName / Port -> -
    { 43, 8, 0, 0, 0 },       // Printer / Adjustselectedfonttofitpage -> -
    { 43, 154, 0, 0, 0 },     // Printer / MaxColumns -> -
    { 43, 178, 0, 0, 0 },     // Printer / NumberofLines -> -
    { 43, 86, 0, 0, 0 },      // Printer / EnableLineDrawing -> -
    { 26, 218, 0, 0, 0 },     // General / SaveChangesonExit -> -
    { 26, 220, 0, 0, 0 },     // General / SaveLayoutonExitQIM -> -
    { 26, 198, 0, 0, 0 },     // General / PromptonExitAll -> -
    { 26, 179, 0, 0, 0 },     // General / OldQIMtermMenus -> -
    { 1, 38, 0, 0, 0 },       // ButtonPad / Caption -> -
    { 1, 151, 0, 0, 0 },      // ButtonPad / Mapto -> -
    { 1, 210, 0, 0, 0 },      // ButtonPad / Reset -> -
    { 1, 300, 0, 0, 0 },      // ButtonPad / ViewButtons -> -
    { 1, 33, 0, 0, 0 },       // ButtonPad / ButtonsonStatusBar -> -
    { 1, 51, 0, 0, 0 },       // ButtonPad / Columns -> -
    { 1, 34, 0, 0, 0 },       // ButtonPad / ButtonWidth -> -
    { 1, 182, 0, 0, 0 },      // ButtonPad / OrderbyRow -> -
    { 1, 214, 0, 0, 0 },      // ButtonPad / Rows -> -
    { 39, 210, 0, 0, 0 },     // Menus / Reset -> -
    { 39, 192, 0, 0, 0 },     // Menus / Position -> -
    { 39, 6, 0, 0, 0 },       // Menus / Add -> -
    { 46, 211, 0, 0, 0 },     // SystemMenu / Restore -> -
    { 46, 170, 0, 0, 0 },     // SystemMenu / Move -> -
    { 46, 253, 0, 0, 0 },     // SystemMenu / Size -> -
    { 46, 164, 0, 0, 0 },     // SystemMenu / Minimize -> -
    { 46, 156, 0, 0, 0 },     // SystemMenu / Maximize -> -
    { 46, 181, 0, 0, 0 },     // SystemMenu / OpenSession -> -
    { 46, 180, 0, 0, 0 },     // SystemMenu / OpenLayouts -> -
    { 46, 219, 0, 0, 0 },     // SystemMenu / SaveLayout -> -
    { 46, 246, 0, 0, 0 },     // SystemMenu / ShowMenuBar -> -
    { 46, 45, 0, 0, 0 },      // SystemMenu / Close -> -
    { 40, 210, 0, 0, 0 },     // Mouse / Reset -> -
    { 40, 4, 0, 0, 0 },       // Mouse / Action -> -
    { 40, 151, 0, 0, 0 },     // Mouse / Mapto -> -
    { 50, 66, 0, 0, 0 },      // ToolbarMapping / Default -> -
    { 50, 244, 0, 0, 0 },     // ToolbarMapping / Showbuttonedges -> -
    { 50, 151, 0, 0, 0 },     // ToolbarMapping / Mapto -> -
    { 50, 24, 0, 0, 0 },      // ToolbarMapping / Bitmap -> -
    { 50, 277, 0, 0, 0 },     // ToolbarMapping / ToolTip -> -
    { 51, 82, 0, 0, 0 },      // Translation / Enable -> -
    { 51, 161, 0, 0, 0 },     // Translation / Method -> -
    { 51, 142, 0, 0, 0 },     // Translation / Localcharacterset -> -
    { 51, 123, 0, 0, 0 },     // Translation / Hostcharacterset -> -
    { 38, 145, 0, 0, 0 },     // MacroOptions / LockRemoteMacros -> -
    { 29, 74, 0, 0, 0 },      // InformationAboutRecording / Donottellmeaboutthisagain -> -

    // The single-value statements above stand a second time. First-match
    // lookups never reach these rows; they are identical to the earlier ones.
    { 0, 3, 0, 0, 0 },        // statement / Fonts -> -
    { 0, 7, 0, 0, 0 },        // statement / Menu -> -
    { 0, 11, 0, 0, 0 },       // statement / VerticalScrollBar -> -
    { 0, 4, 0, 0, 0 },        // statement / HorizontalScrollBar -> -
    { 0, 9, 0, 0, 0 },        // statement / StatusBar -> -
    { 0, 8, 0, 0, 0 },        // statement / PageButtons -> -
    { 0, 13, 0, 0, 0 },       // statement / VTStatusLine -> -
    { 0, 12, 0, 0, 0 },       // statement / VTKeyboard -> -
    { 0, 2, 0, 0, 0 },        // statement / Buttons -> -
    { 0, 10, 0, 0, 0 },       // statement / ToolBar -> -
    { 0, 1, 0, 0, 0 },        // statement / AutoConnect -> -
    { 0, 6, 0, 0, 0 },        // statement / Local -> -
};
