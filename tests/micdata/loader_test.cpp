#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/parameter_table.h"
#include "micdata/microphone_loader.h"
#include "platform/diagnostics.h"

namespace {

// Small hand-written documents in the form of the shipped one.
std::string microphone(const std::string& name, const std::string& sections) {
  return "<microphone><name>" + name + "</name>" + sections + "</microphone>";
}
std::string polar100(const std::string& values) {
  return "<polar100Hz>" + values + "</polar100Hz>";
}
std::string point(const std::string& value) { return "<data angle=\"0\">" + value + "</data>"; }
std::string filter(const std::string& name, const std::string& values) {
  return "<filter name=\"" + name + "\">" + values + "</filter>";
}
std::string document(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<micdata>" + body + "</micdata>\r\n";
}

std::unique_ptr<MicrophoneData> load(const std::string& text) {
  return loadMicrophoneData(text.data(), text.size());
}

std::vector<std::string> names(const std::vector<MicrophoneRecord>& list) {
  std::vector<std::string> result;
  for (const MicrophoneRecord& record : list) result.push_back(record.name);
  return result;
}

using Names = std::vector<std::string>;

class Loader : public ::testing::Test {
 protected:
  void SetUp() override { diag::takeLines(); }
  // Every case that is not about failure must load without a message.
  void expectNoMessages() { EXPECT_TRUE(diag::takeLines().empty()); }
  void expectFailure(const MicrophoneData& model, const std::string& description) {
    const auto lines = diag::takeLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Could not load xml file. Error='" + description + "'.\n");
    expectEmpty(model);
  }
  static void expectEmpty(const MicrophoneData& model) {
    EXPECT_TRUE(model.omniMicrophones().empty());
    EXPECT_TRUE(model.eightMicrophones().empty());
    EXPECT_TRUE(model.filterCurves().empty());
    EXPECT_EQ(model.getMicrophone(kMicOmniType, 0), nullptr);
    EXPECT_EQ(model.getMicrophone(kMicEightType, 0), nullptr);
  }
};

TEST_F(Loader, ReadsGroupsSectionsAndFiltersInDocumentOrder) {
  const auto model = load(document(
      "<omni>" + microphone("A", polar100(point("1.000") + point("0.5"))) + microphone("B", "") +
      "</omni>" + "<eight>" +
      microphone("E", "<polar1000Hz>" + point("-1") + "</polar1000Hz><polar10000Hz>" +
                          point("0.25") +
                          "</polar10000Hz><freefield><data frequency=\"   20\">-13.000</data>"
                          "<data frequency=\"  101\">-5.814</data></freefield>"
                          "<diffusefield><data frequency=\"20000\">-4.8</data></diffusefield>") +
      "</eight><filters>" + filter("E", point("7.5") + point("2")) + "</filters>"));
  expectNoMessages();
  EXPECT_EQ(names(model->omniMicrophones()), (Names{"A", "B"}));
  EXPECT_EQ(model->omniMicrophones()[0].polar100Hz, (std::vector<double>{1.0, 0.5}));
  ASSERT_EQ(names(model->eightMicrophones()), (Names{"E"}));
  const MicrophoneRecord& eight = model->eightMicrophones()[0];
  EXPECT_EQ(eight.polar1000Hz, (std::vector<double>{-1.0}));
  EXPECT_EQ(eight.polar10000Hz, (std::vector<double>{0.25}));
  ASSERT_EQ(eight.freefield.size(), 2u);
  EXPECT_EQ(eight.freefield[0].frequency, 20.0);
  EXPECT_EQ(eight.freefield[0].level, -13.0);
  EXPECT_EQ(eight.freefield[1].frequency, 101.0);
  EXPECT_EQ(eight.freefield[1].level, -5.814);
  ASSERT_EQ(eight.diffusefield.size(), 1u);
  EXPECT_EQ(eight.diffusefield[0].frequency, 20000.0);
  ASSERT_NE(model->getFilterCurve("E"), nullptr);
  EXPECT_EQ(*model->getFilterCurve("E"), (std::vector<double>{7.5, 2.0}));
}

TEST_F(Loader, ParsesExactlyTheGivenBytes) {
  const std::string text = document("<omni>" + microphone("A", "") + "</omni>");
  // What follows the document in memory is not part of it, zero byte or not.
  const std::string followed = text + "<garbage";
  const auto model = loadMicrophoneData(followed.data(), text.size());
  expectNoMessages();
  EXPECT_EQ(names(model->omniMicrophones()), (Names{"A"}));

  const auto cut = loadMicrophoneData(text.data(), text.size() - 20);
  EXPECT_EQ(diag::takeLines().size(), 1u);
  expectEmpty(*cut);
}

TEST_F(Loader, MalformedDocumentsGiveTheMessageAndAnEmptyModel) {
  {
    const auto model = loadMicrophoneData("", 0);
    expectFailure(*model, "Error document empty.");
  }
  {
    const auto model = loadMicrophoneData(nullptr, 0);
    expectFailure(*model, "Error document empty.");
  }
  {
    const auto model = load(document("<omni>" + microphone("A", "") + "</eight>"));
    const auto lines = diag::takeLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("Could not load xml file. Error='", 0), 0u) << lines[0];
    EXPECT_GT(lines[0].size(), std::string("Could not load xml file. Error=''.\n").size());
    EXPECT_EQ(lines[0].substr(lines[0].size() - 3), "'.\n");
    expectEmpty(*model);
  }
  {
    const std::string text = document("<omni>" + microphone("A", "") + "</omni>");
    std::string withZero = text;
    withZero.insert(text.size() - 4, 1, '\0');
    const auto model = loadMicrophoneData(withZero.data(), withZero.size());
    expectFailure(*model, "Zero byte inside the document.");
  }
  {
    const auto model = load("<?xml version=\"1.0\" ?>\r\n<microphones><omni>" +
                            microphone("A", "") + "</omni></microphones>");
    expectFailure(*model, "The root element is not micdata.");
  }
  {
    const auto model = load("<?xml version=\"1.0\" ?>\r\n");
    EXPECT_EQ(diag::takeLines().size(), 1u);
    expectEmpty(*model);
  }
}

TEST_F(Loader, RecognisesGroupsAndSectionsByTheirFirstCharacters) {
  const auto model = load(document(
      "<omnibus>" +
      microphone("O",
                 "<freefield2><data frequency=\"50\">1</data></freefield2>"
                 "<polar100Hzx>" +
                     point("0.5") +
                     "</polar100Hzx>"
                     "<polar100>" +
                     point("9") +
                     "</polar100>"
                     "<diffuse>" +
                     point("9") + "</diffuse>") +
      "</omnibus><omn>" + microphone("skipped", "") +
      "</omn><other/>"
      "<eighty>" +
      microphone("E", "") + "</eighty><filtersX>" + filter("E", point("1")) + "</filtersX>"));
  expectNoMessages();
  ASSERT_EQ(names(model->omniMicrophones()), (Names{"O"}));
  const MicrophoneRecord& omni = model->omniMicrophones()[0];
  ASSERT_EQ(omni.freefield.size(), 1u);
  EXPECT_EQ(omni.freefield[0].frequency, 50.0);
  EXPECT_EQ(omni.polar100Hz, (std::vector<double>{0.5}));
  EXPECT_TRUE(omni.diffusefield.empty());
  EXPECT_EQ(names(model->eightMicrophones()), (Names{"E"}));
  EXPECT_NE(model->getFilterCurve("E"), nullptr);
}

TEST_F(Loader, EntryAndDataNamesAreNotCompared) {
  const auto model = load(document(
      "<omni><mic><name>A</name><polar100Hz><x>0.1</x><y angle=\"90\">0.2</y></polar100Hz></mic>"
      "<model><name>B</name></model></omni>"
      "<filters><curve name=\"A\"><v>3</v><w frequency=\"999\">2</w></curve></filters>"));
  expectNoMessages();
  ASSERT_EQ(names(model->omniMicrophones()), (Names{"A", "B"}));
  // The angle attribute is not read: the i-th point belongs to 10 * i degrees.
  EXPECT_EQ(model->omniMicrophones()[0].polar100Hz, (std::vector<double>{0.1, 0.2}));
  EXPECT_EQ(*model->getFilterCurve("A"), (std::vector<double>{3.0, 2.0}));
}

TEST_F(Loader, SectionsBeforeTheNameAreNotRead) {
  const auto model =
      load(document("<omni><microphone>" + polar100(point("0.9")) + "<name>A</name>" +
                    "<polar1000Hz>" + point("0.8") + "</polar1000Hz></microphone></omni>"));
  expectNoMessages();
  ASSERT_EQ(model->omniMicrophones().size(), 1u);
  EXPECT_TRUE(model->omniMicrophones()[0].polar100Hz.empty());
  EXPECT_EQ(model->omniMicrophones()[0].polar1000Hz, (std::vector<double>{0.8}));
}

TEST_F(Loader, ResponseFrequenciesCarryOverWhenMissingOrUnreadable) {
  const auto model = load(document(
      "<omni>" +
      microphone("A",
                 "<freefield><data>1</data><data frequency=\"  101\">2</data>"
                 "<data frequency=\"abc\">3</data><data frequency=\"\">4</data></freefield>") +
      microphone("B",
                 "<diffusefield><data>5</data><data frequency=\" 1e3\">6</data></diffusefield>") +
      "</omni>"));
  expectNoMessages();
  const auto& a = model->omniMicrophones()[0].freefield;
  ASSERT_EQ(a.size(), 4u);
  EXPECT_EQ(a[0].frequency, 0.0);  // nothing to carry over yet
  EXPECT_EQ(a[1].frequency, 101.0);
  EXPECT_EQ(a[2].frequency, 101.0);
  EXPECT_EQ(a[3].frequency, 101.0);
  EXPECT_EQ(a[3].level, 4.0);
  // The carried frequency belongs to the whole load, not to one section.
  const auto& b = model->omniMicrophones()[1].diffusefield;
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].frequency, 101.0);
  EXPECT_EQ(b[1].frequency, 1000.0);
}

TEST_F(Loader, DataTextWithoutDigitsReadsZero) {
  const auto model = load(document(
      "<omni>" + microphone("A", polar100(point("n/a") + point("-") + point("1e1"))) + "</omni>"));
  expectNoMessages();
  EXPECT_EQ(model->omniMicrophones()[0].polar100Hz, (std::vector<double>{0.0, 0.0, 10.0}));
}

TEST_F(Loader, AGroupWithoutChildrenEndsTheLoad) {
  for (const std::string empty : {"<omni/>", "<omni></omni>", "<omni>\r\n</omni>"}) {
    const auto model = load(document("<eight>" + microphone("E1", "") + "</eight>" + empty +
                                     "<eight>" + microphone("E2", "") + "</eight><filters>" +
                                     filter("E1", point("1")) + "</filters>"));
    expectNoMessages();
    EXPECT_EQ(names(model->eightMicrophones()), (Names{"E1"})) << empty;
    EXPECT_TRUE(model->filterCurves().empty()) << empty;
  }
  const auto model = load(document("<filters/><omni>" + microphone("A", "") + "</omni>"));
  EXPECT_TRUE(model->omniMicrophones().empty());
}

TEST_F(Loader, AFilterWithoutDataEndsTheLoadAtOnce) {
  const auto model = load(document("<filters>" + filter("E1", point("1")) +
                                   "<filter name=\"E2\"/>" + filter("E3", point("3")) +
                                   "</filters><omni>" + microphone("A", "") + "</omni>"));
  expectNoMessages();
  EXPECT_NE(model->getFilterCurve("E1"), nullptr);
  EXPECT_EQ(model->getFilterCurve("E2"), nullptr);
  EXPECT_EQ(model->getFilterCurve("E3"), nullptr);
  EXPECT_TRUE(model->omniMicrophones().empty());
}

TEST_F(Loader, ASectionWithoutDataEndsTheLoadWithoutItsMicrophone) {
  const auto model =
      load(document("<omni>" + microphone("A", polar100(point("1"))) +
                    microphone("B", polar100(point("1")) + "<freefield/>" + polar100(point("2"))) +
                    microphone("C", "") + "</omni><eight>" + microphone("E", "") + "</eight>"));
  expectNoMessages();
  EXPECT_EQ(names(model->omniMicrophones()), (Names{"A"}));
  EXPECT_TRUE(model->eightMicrophones().empty());
}

TEST_F(Loader, EntriesTheModelCannotHoldAreSkipped) {
  const auto model =
      load(document("<omni><!-- a note -->" + std::string("<microphone>") + polar100(point("1")) +
                    "</microphone>" + microphone("", polar100(point("1"))) +
                    microphone("A", polar100(point("1") + "<data/>" + point("3"))) +
                    microphone("B", polar100(point("1")) +
                                        "<freefield><data frequency=\"20\"></data></freefield>") +
                    microphone("C", polar100(point("1"))) + "</omni><filters>" +
                    filter("E1", point("1") + "<data/>") + "<filter>" + point("2") + "</filter>" +
                    filter("E2", point("5")) + "</filters>"));
  expectNoMessages();
  EXPECT_EQ(names(model->omniMicrophones()), (Names{"C"}));
  EXPECT_EQ(model->getFilterCurve("E1"), nullptr);
  ASSERT_NE(model->getFilterCurve("E2"), nullptr);
  EXPECT_EQ(model->filterCurves().size(), 1u);
}

TEST_F(Loader, ADuplicateFilterNameKeepsTheFirstCurve) {
  const auto model = load(
      document("<filters>" + filter("E", point("1")) + filter("E", point("2")) + "</filters>"));
  ASSERT_NE(model->getFilterCurve("E"), nullptr);
  EXPECT_EQ(*model->getFilterCurve("E"), (std::vector<double>{1.0}));
}

TEST_F(Loader, FilterCurvesAreFoundByTheirExactName) {
  const auto model =
      load(document("<filters>" + filter("Rova E1", point("1")) + filter("Rova E10", point("2")) +
                    filter("B", point("3")) + "</filters>"));
  EXPECT_EQ(*model->getFilterCurve("Rova E1"), (std::vector<double>{1.0}));
  EXPECT_EQ(model->getFilterCurve("Rova E"), nullptr);
  EXPECT_EQ(model->getFilterCurve("rova e1"), nullptr);
  EXPECT_EQ(model->getFilterCurve("Rova E1 "), nullptr);
  EXPECT_EQ(model->getFilterCurve(""), nullptr);
  // Ordered by byte-wise comparison of the names.
  std::vector<std::string> order;
  for (const auto& [name, curve] : model->filterCurves()) order.push_back(name);
  EXPECT_EQ(order, (Names{"B", "Rova E1", "Rova E10"}));
}

TEST_F(Loader, GetMicrophoneClampsTheIndexIntoTheChosenList) {
  const auto model = load(document("<omni>" + microphone("O1", "") + microphone("O2", "") +
                                   "</omni><eight>" + microphone("E1", "") + microphone("E2", "") +
                                   microphone("E3", "") + "</eight>"));
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 0)->name, "O1");
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 1)->name, "O2");
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 2)->name, "O2");
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 1 << 30)->name, "O2");
  EXPECT_EQ(model->getMicrophone(kMicOmniType, -1)->name, "O1");
  EXPECT_EQ(model->getMicrophone(kMicEightType, 2)->name, "E3");
  EXPECT_EQ(model->getMicrophone(kMicEightType, -5)->name, "E1");
  // Every group other than the omni selector's reads the figure-eight list.
  EXPECT_EQ(model->getMicrophone(0, 0)->name, "E1");
  EXPECT_EQ(model->getMicrophone(-6, 1)->name, "E2");
}

TEST_F(Loader, AnEmptyListGivesNoMicrophone) {
  const auto model = load(document("<eight>" + microphone("E1", "") + "</eight>"));
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 0), nullptr);
  EXPECT_EQ(model->getMicrophone(kMicOmniType, 3), nullptr);
  EXPECT_EQ(model->getMicrophone(kMicEightType, 3)->name, "E1");
}

}  // namespace
