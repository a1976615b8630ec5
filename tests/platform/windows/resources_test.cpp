// The resources windres compiled into this test program, found by name as the modules find
// theirs; and the folder the program was loaded from.

#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/module_path.h"

namespace {

bool isPng(const platform::Resource& resource) {
  static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return resource.size > sizeof signature &&
         std::memcmp(resource.data, signature, sizeof signature) == 0;
}

TEST(WindowsResources, TheMicrophoneDocumentIsFoundByNameWithoutRegardToCase) {
  platform::Resource exact, otherCase;
  ASSERT_TRUE(platform::findResource("PolarXML.xml", "XML", exact));
  ASSERT_TRUE(platform::findResource("polarxml.XML", "xml", otherCase));
  EXPECT_EQ(exact.data, otherCase.data);
  EXPECT_EQ(exact.size, otherCase.size);
  const std::string text(reinterpret_cast<const char*>(exact.data), exact.size);
  EXPECT_NE(text.find("<?xml"), std::string::npos);
  EXPECT_GT(exact.size, 10000u);
}

TEST(WindowsResources, TheSeventeenBitmapsArePngsOfTypePng) {
  const char* const names[] = {"back.png",          "creditsMono.png",  "creditsStereo.png",
                               "eightSelector.png", "eightText.png",    "gain.png",
                               "helpMono.png",      "helpStereo.png",   "meterOff.png",
                               "meterOn.png",       "omniSelector.png", "omniText.png",
                               "onOffButton.png",   "peakLED.png",      "poti.png",
                               "PostButton.png",    "PreButton.png"};
  static_assert(sizeof names / sizeof names[0] == 17);
  for (const char* name : names) {
    platform::Resource bitmap;
    ASSERT_TRUE(platform::findResource(name, "PNG", bitmap)) << name;
    EXPECT_TRUE(isPng(bitmap)) << name;
    platform::Resource wrongType;
    EXPECT_FALSE(platform::findResource(name, "XML", wrongType)) << name;
  }
}

TEST(WindowsResources, UnknownNamesAndNullArgumentsFindNothing) {
  platform::Resource none;
  EXPECT_FALSE(platform::findResource("missing.png", "PNG", none));
  EXPECT_FALSE(platform::findResource(nullptr, "PNG", none));
  EXPECT_FALSE(platform::findResource("PolarXML.xml", nullptr, none));
  EXPECT_EQ(none.data, nullptr);
}

TEST(WindowsModulePath, TheFolderIsTheProgramsOwnEndingInABackslash) {
  const std::string& folder = platform::moduleFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_NE(platform::moduleHandle(), nullptr);
}

}  // namespace
