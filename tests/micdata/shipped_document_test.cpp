#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "controller/parameter_table.h"
#include "micdata/microphone_data.h"
#include "micdata/microphone_loader.h"
#include "micdata/number_text.h"
#include "platform/diagnostics.h"
#include "platform/resources.h"

namespace {

constexpr int kGridPoints = 146;
constexpr int kPolarPoints = 36;
const std::vector<int> kTellingAngles = {0, 3, 6, 9, 12, 15, 18};   // 0, 30, ... 180 degrees
const std::vector<int> kTellingGridPoints = {0, 34, 82, 130, 145};  // 20, 101, 994, 9788, 20000 Hz
const char* const kPolarSections[] = {"polar100Hz", "polar1000Hz", "polar10000Hz"};
const char* const kResponseSections[] = {"freefield", "diffusefield"};

double gridFrequency(int k) { return 20.0 * std::pow(1000.0, k / 145.0); }

// A section as text: the attribute and the content of each data line.
struct TextSection {
  std::vector<std::string> keys;
  std::vector<std::string> values;
  std::vector<double> numbers() const {
    std::vector<double> result;
    for (const std::string& value : values)
      result.push_back(micdata::readNumberText(value.c_str()));
    return result;
  }
};
struct TextMicrophone {
  std::string name;
  std::map<std::string, TextSection> sections;
};
struct TextDocument {
  std::vector<TextMicrophone> omni, eight;
  std::vector<std::pair<std::string, TextSection>> filters;
};

std::string shippedBytes() {
  platform::Resource resource;
  if (!platform::findResource("PolarXML.xml", "XML", resource)) return {};
  return std::string(reinterpret_cast<const char*>(resource.data), resource.size);
}

// Reads the document line by line in the one order and form it may have; any
// deviation is a test failure naming the line.
class DocumentReader {
 public:
  explicit DocumentReader(const std::string& bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
      const std::size_t end = bytes.find("\r\n", start);
      if (end == std::string::npos) {
        ADD_FAILURE() << "the last line has no CRLF";
        break;
      }
      lines_.push_back(bytes.substr(start, end - start));
      start = end + 2;
    }
  }

  TextDocument read() {
    TextDocument document;
    expect("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>");
    expect("<micdata>");
    document.omni = group("omni");
    document.eight = group("eight");
    expect("<filters>");
    for (const char* name : {"Rova E1", "Rova E2"}) {
      expect(std::string("<filter name=\"") + name + "\">");
      document.filters.emplace_back(name, data(kGridPoints, filterPattern_));
      expect("</filter>");
    }
    expect("</filters>");
    expect("</micdata>");
    EXPECT_EQ(next_, lines_.size()) << "lines after the root element";
    return document;
  }

 private:
  std::vector<TextMicrophone> group(const std::string& tag) {
    std::vector<TextMicrophone> microphones;
    expect("<" + tag + ">");
    const std::vector<std::string> names = tag == "omni"
                                               ? std::vector<std::string>{"Rova O1", "Rova O2"}
                                               : std::vector<std::string>{"Rova E1", "Rova E2"};
    for (const std::string& name : names) {
      TextMicrophone microphone{name, {}};
      expect("<microphone>");
      expect("<name>" + name + "</name>");
      for (const char* section : kPolarSections)
        microphone.sections[section] = sectionBlock(section, kPolarPoints, polarPattern_);
      for (const char* section : kResponseSections)
        microphone.sections[section] = sectionBlock(section, kGridPoints, responsePattern_);
      expect("</microphone>");
      microphones.push_back(std::move(microphone));
    }
    expect("</" + tag + ">");
    return microphones;
  }

  TextSection sectionBlock(const std::string& tag, int count, const std::regex& pattern) {
    expect("<" + tag + ">");
    TextSection section = data(count, pattern);
    expect("</" + tag + ">");
    return section;
  }

  TextSection data(int count, const std::regex& pattern) {
    TextSection section;
    for (int i = 0; i < count; ++i) {
      const std::string& line = take();
      std::smatch match;
      if (!std::regex_match(line, match, pattern)) {
        ADD_FAILURE() << "line " << next_ << " is not a data line of this section: '" << line
                      << "'";
        continue;
      }
      section.keys.push_back(match[1]);
      section.values.push_back(match[2]);
    }
    return section;
  }

  void expect(const std::string& text) { EXPECT_EQ(take(), text) << "line " << next_; }
  const std::string& take() {
    static const std::string end = "<end of document>";
    return next_ < lines_.size() ? lines_[next_++] : end;
  }

  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  const std::regex polarPattern_{R"re(<data angle="([0-9]+)">(-?[0-9]+\.[0-9]{3})</data>)re"};
  const std::regex responsePattern_{
      R"re(<data frequency="([ 0-9]{5})">(-?[0-9]+\.[0-9]{3})</data>)re"};
  const std::regex filterPattern_{R"re(<data frequency="([0-9]+)">([0-9]+\.[0-9]{6})</data>)re"};
};

class ShippedDocument : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    bytes_ = new std::string(shippedBytes());
    document_ = new TextDocument(DocumentReader(*bytes_).read());
  }
  static void TearDownTestSuite() {
    delete document_;
    delete bytes_;
  }
  static const TextMicrophone& microphone(const std::string& name) {
    for (const auto* list : {&document_->omni, &document_->eight})
      for (const TextMicrophone& mic : *list)
        if (mic.name == name) return mic;
    static const TextMicrophone none;
    ADD_FAILURE() << "no microphone " << name;
    return none;
  }
  static std::vector<std::string> tellingPolar(const std::string& name,
                                               const std::string& section) {
    std::vector<std::string> values;
    const TextSection& polar = microphone(name).sections.at(section);
    for (int i : kTellingAngles)
      values.push_back(i < static_cast<int>(polar.values.size()) ? polar.values[i] : "");
    return values;
  }
  static std::vector<std::string> tellingResponse(const std::string& name,
                                                  const std::string& section) {
    std::vector<std::string> values;
    const TextSection& response = microphone(name).sections.at(section);
    for (int k : kTellingGridPoints)
      values.push_back(k < static_cast<int>(response.values.size()) ? response.values[k] : "");
    return values;
  }
  static std::vector<std::string> all(const std::string& value, std::size_t count) {
    return std::vector<std::string>(count, value);
  }

  static std::string* bytes_;
  static TextDocument* document_;
};
std::string* ShippedDocument::bytes_ = nullptr;
TextDocument* ShippedDocument::document_ = nullptr;

using Texts = std::vector<std::string>;

TEST_F(ShippedDocument, IsPlainAsciiWithCrlfLineEndsAndNoZeroByte) {
  ASSERT_FALSE(bytes_->empty());
  for (std::size_t i = 0; i < bytes_->size(); ++i) {
    const unsigned char c = static_cast<unsigned char>((*bytes_)[i]);
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < bytes_->size() && (*bytes_)[i + 1] == '\n') << "lone CR at byte " << i;
    } else if (c == '\n') {
      ASSERT_TRUE(i > 0 && (*bytes_)[i - 1] == '\r') << "lone LF at byte " << i;
    } else {
      ASSERT_TRUE(c >= 0x20 && c < 0x7f) << "byte " << i << " is " << int(c);
    }
  }
  EXPECT_EQ(bytes_->substr(bytes_->size() - 2), "\r\n");
}

TEST_F(ShippedDocument, UsesTheTwoFrequencyGrids) {
  for (const auto* list : {&document_->omni, &document_->eight})
    for (const TextMicrophone& mic : *list)
      for (const char* section : kResponseSections) {
        const Texts& keys = mic.sections.at(section).keys;
        ASSERT_EQ(keys.size(), static_cast<std::size_t>(kGridPoints));
        for (int k = 0; k < kGridPoints; ++k) {
          char expected[32];
          std::snprintf(expected, sizeof expected, "%5ld", std::lround(gridFrequency(k)));
          EXPECT_EQ(keys[k], expected) << mic.name << " " << section << " point " << k;
        }
      }
  for (const auto& [name, filter] : document_->filters) {
    ASSERT_EQ(filter.keys.size(), static_cast<std::size_t>(kGridPoints));
    for (int k = 0; k < kGridPoints; ++k)
      EXPECT_EQ(filter.keys[k], std::to_string(static_cast<long>(std::floor(gridFrequency(k)))))
          << name << " " << k;
  }
  // The places where the two grids read differently.
  const Texts& response = document_->omni[0].sections.at("freefield").keys;
  const Texts& filter = document_->filters[0].second.keys;
  EXPECT_EQ((Texts{response[0], response[1], response[34], response[134], response[145]}),
            (Texts{"   20", "   21", "  101", "11843", "20000"}));
  EXPECT_EQ((Texts{filter[0], filter[1], filter[134], filter[145]}),
            (Texts{"20", "20", "11842", "20000"}));
}

TEST_F(ShippedDocument, PolarSectionsAreOnTheTenDegreeGridAndMirrorSymmetric) {
  for (const auto* list : {&document_->omni, &document_->eight})
    for (const TextMicrophone& mic : *list)
      for (const char* section : kPolarSections) {
        const TextSection& polar = mic.sections.at(section);
        ASSERT_EQ(polar.values.size(), static_cast<std::size_t>(kPolarPoints));
        for (int i = 0; i < kPolarPoints; ++i) {
          EXPECT_EQ(polar.keys[i], std::to_string(10 * i));
          EXPECT_EQ(polar.values[i], polar.values[(kPolarPoints - i) % kPolarPoints])
              << mic.name << " " << section << " at " << 10 * i << " degrees";
        }
      }
}

TEST_F(ShippedDocument, HoldsTheTellingPolarValues) {
  for (const char* name : {"Rova O1", "Rova O2"}) {
    EXPECT_EQ(microphone(name).sections.at("polar100Hz").values, all("1.000", kPolarPoints))
        << name;
    EXPECT_EQ(microphone(name).sections.at("polar1000Hz").values, all("1.000", kPolarPoints))
        << name;
    EXPECT_EQ(tellingPolar(name, "polar10000Hz"),
              (Texts{"1.000", "0.912", "0.684", "0.519", "0.436", "0.409", "0.402"}));
  }
  const Texts eightOneLow = {"1.000", "0.870", "0.500", "0.000", "-0.500", "-0.870", "-1.000"};
  EXPECT_EQ(tellingPolar("Rova E1", "polar100Hz"), eightOneLow);
  EXPECT_EQ(tellingPolar("Rova E1", "polar1000Hz"), eightOneLow);
  EXPECT_EQ(tellingPolar("Rova E1", "polar10000Hz"),
            (Texts{"1.000", "0.860", "0.440", "0.000", "-0.440", "-0.860", "-1.000"}));
  const Texts eightTwoLow = {"1.000", "0.933", "0.750", "0.500", "0.250", "0.067", "0.000"};
  EXPECT_EQ(tellingPolar("Rova E2", "polar100Hz"), eightTwoLow);
  EXPECT_EQ(tellingPolar("Rova E2", "polar1000Hz"), eightTwoLow);
  EXPECT_EQ(tellingPolar("Rova E2", "polar10000Hz"),
            (Texts{"1.000", "0.930", "0.735", "0.531", "0.322", "0.160", "0.200"}));
}

TEST_F(ShippedDocument, HoldsTheTellingResponses) {
  EXPECT_EQ(microphone("Rova O1").sections.at("freefield").values, all("0.000", kGridPoints));
  const Texts omniDiffuse = {"0.000", "0.037", "0.002", "-5.199", "-8.700"};
  EXPECT_EQ(tellingResponse("Rova O1", "diffusefield"), omniDiffuse);
  EXPECT_EQ(tellingResponse("Rova O2", "freefield"),
            (Texts{"-0.000", "-0.002", "-0.022", "3.484", "1.501"}));
  EXPECT_EQ(tellingResponse("Rova O2", "diffusefield"), omniDiffuse);
  EXPECT_EQ(tellingResponse("Rova E1", "freefield"),
            (Texts{"-13.000", "-5.814", "-0.105", "0.355", "-25.988"}));
  EXPECT_EQ(tellingResponse("Rova E2", "freefield"),
            (Texts{"-5.000", "-1.991", "0.004", "3.999", "-2.999"}));
  for (const char* name : {"Rova E1", "Rova E2"})
    EXPECT_EQ(microphone(name).sections.at("diffusefield").values, all("-4.800", kGridPoints))
        << name;
}

TEST_F(ShippedDocument, HoldsTheTellingFilterValues) {
  ASSERT_EQ(document_->filters.size(), 2u);
  const std::vector<int> points = {0, 1, 34, 82, 130, 145};
  const std::map<std::string, Texts> expected = {
      {"Rova E1", {"7.857502", "7.843570", "5.596308", "0.224938", "0.002406", "0.000576"}},
      {"Rova E2", {"2.839967", "2.831975", "1.688069", "0.041538", "0.000435", "0.000104"}}};
  for (const auto& [name, filter] : document_->filters) {
    Texts telling;
    for (int k : points) telling.push_back(filter.values[k]);
    EXPECT_EQ(telling, expected.at(name));
  }
}

// Beyond the telling values the data is modelled; it must still look like a real
// microphone when plotted: bounded, smooth, and without wiggles between the pinned points.
TEST_F(ShippedDocument, ModelledValuesArePlausibleAndSmooth) {
  for (const auto* list : {&document_->omni, &document_->eight})
    for (const TextMicrophone& mic : *list) {
      for (const char* section : kPolarSections) {
        const std::vector<double> polar = mic.sections.at(section).numbers();
        EXPECT_EQ(polar[0], 1.0);
        for (double value : polar) EXPECT_LE(std::fabs(value), 1.0) << mic.name << " " << section;
      }
      for (const char* section : kResponseSections) {
        const std::vector<double> levels = mic.sections.at(section).numbers();
        for (int k = 1; k < kGridPoints; ++k)
          EXPECT_LE(std::fabs(levels[k] - levels[k - 1]), 3.0) << mic.name << " " << k;
        for (int k = 1; k + 1 < kGridPoints; ++k)
          EXPECT_LE(std::fabs(levels[k + 1] - 2 * levels[k] + levels[k - 1]), 1.0)
              << mic.name << " " << section << " " << k;
        // Between two telling points a response stays within their levels (3 decimals of rounding
        // aside).
        for (std::size_t node = 0; node + 1 < kTellingGridPoints.size(); ++node) {
          const double a = levels[kTellingGridPoints[node]];
          const double b = levels[kTellingGridPoints[node + 1]];
          for (int k = kTellingGridPoints[node]; k <= kTellingGridPoints[node + 1]; ++k) {
            EXPECT_GE(levels[k], std::min(a, b) - 0.0005) << mic.name << " " << section << " " << k;
            EXPECT_LE(levels[k], std::max(a, b) + 0.0005) << mic.name << " " << section << " " << k;
          }
        }
      }
    }
  // The omni's 10 kHz pattern narrows steadily from the front to the back.
  for (const TextMicrophone& mic : document_->omni) {
    const std::vector<double> polar = mic.sections.at("polar10000Hz").numbers();
    for (int i = 1; i <= kPolarPoints / 2; ++i)
      EXPECT_LE(polar[i], polar[i - 1]) << mic.name << " " << 10 * i;
  }
  for (const auto& [name, filter] : document_->filters) {
    const std::vector<double> curve = filter.numbers();
    for (int k = 0; k < kGridPoints; ++k) EXPECT_GT(curve[k], 0.0) << name << " " << k;
    for (int k = 1; k < kGridPoints; ++k) EXPECT_LT(curve[k], curve[k - 1]) << name << " " << k;
  }
}

// Damaged copies of the real document: cut short anywhere, or with a byte replaced
// by markup. Each load must end in a model, with at most the one failure message.
TEST_F(ShippedDocument, DamagedCopiesLoadSafely) {
  diag::takeLines();
  for (std::size_t cut = 0; cut < bytes_->size(); cut += 331) {
    const auto model = loadMicrophoneData(bytes_->data(), cut);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(diag::takeLines().size(), 1u)
        << "cut at " << cut;  // an unfinished document never parses
  }
  for (std::size_t at = 0; at < bytes_->size(); at += 421) {
    for (const char replacement : {'<', '"', '\0', 'x'}) {
      std::string damaged = *bytes_;
      damaged[at] = replacement;
      const auto model = loadMicrophoneData(damaged.data(), damaged.size());
      ASSERT_NE(model, nullptr);
      EXPECT_LE(diag::takeLines().size(), 1u);
      for (const auto* list : {&model->omniMicrophones(), &model->eightMicrophones()})
        EXPECT_LE(list->size(), 2u);
    }
  }
}

// The same document through the loader.
class ShippedModel : public ::testing::Test {
 protected:
  void SetUp() override { model_ = acquireMicrophoneData(); }
  void TearDown() override { releaseMicrophoneData(model_); }
  MicrophoneData* model_ = nullptr;
};

TEST_F(ShippedModel, HoldsFourMicrophonesAndTwoFilters) {
  ASSERT_EQ(model_->omniMicrophones().size(), 2u);
  ASSERT_EQ(model_->eightMicrophones().size(), 2u);
  for (const auto* list : {&model_->omniMicrophones(), &model_->eightMicrophones()})
    for (const MicrophoneRecord& record : *list) {
      EXPECT_EQ(record.polar100Hz.size(), 36u) << record.name;
      EXPECT_EQ(record.polar1000Hz.size(), 36u) << record.name;
      EXPECT_EQ(record.polar10000Hz.size(), 36u) << record.name;
      ASSERT_EQ(record.freefield.size(), 146u) << record.name;
      ASSERT_EQ(record.diffusefield.size(), 146u) << record.name;
      EXPECT_EQ(record.freefield[0].frequency, 20.0);
      EXPECT_EQ(record.diffusefield[0].frequency, 20.0);
      for (int k = 0; k < kGridPoints; ++k) {
        EXPECT_EQ(record.freefield[k].frequency, std::round(gridFrequency(k)));
        EXPECT_EQ(record.diffusefield[k].frequency, record.freefield[k].frequency);
      }
    }
  EXPECT_EQ(model_->filterCurves().size(), 2u);
}

TEST_F(ShippedModel, AnswersTheUsersLookups) {
  EXPECT_EQ(model_->getMicrophone(kMicOmniType, 0)->name, "Rova O1");
  EXPECT_EQ(model_->getMicrophone(kMicOmniType, 1)->name, "Rova O2");
  EXPECT_EQ(model_->getMicrophone(kMicOmniType, 2)->name, "Rova O2");
  EXPECT_EQ(model_->getMicrophone(kMicEightType, 0)->name, "Rova E1");
  EXPECT_EQ(model_->getMicrophone(kMicEightType, 1)->name, "Rova E2");
  EXPECT_EQ(model_->getMicrophone(0, 0)->name, "Rova E1");

  const std::vector<double>* e1 = model_->getFilterCurve("Rova E1");
  ASSERT_NE(e1, nullptr);
  ASSERT_EQ(e1->size(), 146u);
  EXPECT_EQ(e1->front(), 7.857502);
  EXPECT_EQ(e1->back(), 0.000576);
  ASSERT_NE(model_->getFilterCurve("Rova E2"), nullptr);
  EXPECT_EQ(model_->getFilterCurve("Rova E2")->front(), 2.839967);
  EXPECT_EQ(model_->getFilterCurve("Rova O1"), nullptr);

  const MicrophoneRecord* e1Record = model_->getMicrophone(kMicEightType, 0);
  EXPECT_EQ(e1Record->polar100Hz[18], -1.0);
  EXPECT_EQ(e1Record->freefield[0].level, -13.0);
  EXPECT_EQ(e1Record->freefield[145].frequency, 20000.0);
  EXPECT_EQ(e1Record->freefield[145].level, -25.988);
}

}  // namespace
