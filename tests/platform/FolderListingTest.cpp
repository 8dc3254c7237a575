// The packed listing the posix name look-up keeps of each folder: found in any case however many
// names it holds, twins settled by byte order whatever order they come in, UTF-8 names found by
// their Windows-1252 form too.
#ifndef _WIN32
#include "platform/posix/FolderListing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolderListing, FindsEveryNameInAnyCaseAsItGrows)
{
    platform::FolderListing listing;
    for (int i = 0; i < 5000; ++i)
        listing.Add("Session" + std::to_string(i) + ".tdp");
    for (int i = 0; i < 5000; i += 7)
        EXPECT_EQ(listing.Find("SESSION" + std::to_string(i) + ".TDP"), "Session" + std::to_string(i) + ".tdp");
    EXPECT_TRUE(listing.Find("Session5000.tdp").empty());
    EXPECT_TRUE(listing.Find("Session1.tdp.bak").empty());
}

TEST(FolderListing, TwinsAndUtf8Names)
{
    for (const bool upperFirst : {true, false}) {
        platform::FolderListing listing;
        listing.Add(upperFirst ? "LOGON.QTM" : "Logon.qtm");
        listing.Add(upperFirst ? "Logon.qtm" : "LOGON.QTM");
        EXPECT_EQ(listing.Find("logon.qtm"), "LOGON.QTM"); // the first in byte order
    }
    platform::FolderListing listing;
    listing.Add("Jos\xC3\xA9.txt");                        // stored in UTF-8
    EXPECT_EQ(listing.Find("JOS\xC9.TXT"), "Jos\xC3\xA9.txt"); // asked in Windows-1252
    EXPECT_EQ(listing.Find("jos\xC3\xA9.TXT"), "Jos\xC3\xA9.txt");
    EXPECT_TRUE(listing.Find("Jose.txt").empty());

    platform::FolderListing more = listing;
    more.Add("Other.txt");
    EXPECT_TRUE(listing.KeysIn(more));
    EXPECT_FALSE(more.KeysIn(listing));
}

} // namespace
#endif
