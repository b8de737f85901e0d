// An address list file read whole, as Import List reads it.
#include "core/files/addresslist.h"

#include <gtest/gtest.h>

namespace {

// Every line that is no entry is told with its number and text, up to
// twenty, then how many more.
TEST(AddressListFile, TellsEveryBadLineUpToTwenty)
{
    netquill::Complaints bad;
    netquill::readAddressList("10.0.0.0/8\n\n10.0.0.256\n2001:db8::/129\r\nweb\tserver\n", bad);
    EXPECT_EQ(bad.report(), "line 3: '10.0.0.256': octet 4 is above 255\n"
                            "line 4: '2001:db8::/129': the prefix length is over 128\n"
                            "line 5: 'web\\tserver': is not an address: four numbers of 0 to 255 joined by dots, "
                            "such as 192.168.1.1\n");
    netquill::Complaints many;
    std::string words;
    for (int line = 0; line < 23; ++line)
        words += "x\n";
    netquill::readAddressList(words, many);
    EXPECT_TRUE(many.report().ends_with("\nline 20: 'x': is not an address: four numbers of 0 to 255 joined by dots, "
                                        "such as 192.168.1.1\nand 3 more\n"))
        << many.report();
}

}  // namespace
