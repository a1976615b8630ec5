#include "micdata/microphone_loader.h"

#include <tinyxml.h>

#include <cstring>
#include <string>
#include <utility>

#include "micdata/number_text.h"
#include "platform/diagnostics.h"

namespace {

// Element names are recognised by their first characters, so "omnis" is an omni
// group and "freefield2" a free-field section.
bool startsWith(const char* name, const char* prefix) {
  return name != nullptr && std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

enum class Step { kGoOn, kEndLoading };

class MicrophoneDocumentReader {
 public:
  void read(const TiXmlElement& root) {
    for (const TiXmlNode* child = root.FirstChild(); child != nullptr;
         child = child->NextSiblingElement()) {
      const TiXmlElement* group = child->ToElement();
      if (group == nullptr) continue;
      Step step = Step::kGoOn;
      if (startsWith(group->Value(), "filters"))
        step = readFilters(*group);
      else if (startsWith(group->Value(), "omni"))
        step = readMicrophones(*group, omni_);
      else if (startsWith(group->Value(), "eight"))
        step = readMicrophones(*group, eight_);
      if (step == Step::kEndLoading) return;
    }
  }

  std::unique_ptr<MicrophoneData> takeModel() {
    return std::make_unique<MicrophoneData>(std::move(omni_), std::move(eight_),
                                            std::move(filters_));
  }

 private:
  enum class Entry { kRead, kSkipped, kEndLoading };
  enum class Section { kNone, kPolar100Hz, kPolar1000Hz, kPolar10000Hz, kFreefield, kDiffusefield };

  // The first child node of a group is its first entry, the following entries are
  // its next sibling elements.
  Step readMicrophones(const TiXmlElement& group, std::vector<MicrophoneRecord>& list) {
    if (group.FirstChild() == nullptr) return Step::kEndLoading;
    for (const TiXmlNode* entry = group.FirstChild(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
      MicrophoneRecord record;
      const Entry outcome = readMicrophone(*entry, record);
      if (outcome == Entry::kEndLoading) return Step::kEndLoading;
      if (outcome == Entry::kRead) list.push_back(std::move(record));
    }
    return Step::kGoOn;
  }

  // The sections are read from the name element onward; anything before it is not
  // part of the model.
  Entry readMicrophone(const TiXmlNode& entry, MicrophoneRecord& record) {
    const TiXmlElement* nameElement = entry.FirstChildElement("name");
    const char* name = nameElement != nullptr ? nameElement->GetText() : nullptr;
    if (name == nullptr) return Entry::kSkipped;
    record.name = name;
    for (const TiXmlElement* element = nameElement; element != nullptr;
         element = element->NextSiblingElement()) {
      const Section section = sectionOf(element->Value());
      if (section == Section::kNone) continue;
      if (element->FirstChildElement() == nullptr) return Entry::kEndLoading;
      if (!readSection(*element, section, record)) return Entry::kSkipped;
    }
    return Entry::kRead;
  }

  // None of these names begins with another, so the order of the tests is free.
  static Section sectionOf(const char* name) {
    if (startsWith(name, "polar100Hz")) return Section::kPolar100Hz;
    if (startsWith(name, "polar1000Hz")) return Section::kPolar1000Hz;
    if (startsWith(name, "polar10000Hz")) return Section::kPolar10000Hz;
    if (startsWith(name, "freefield")) return Section::kFreefield;
    if (startsWith(name, "diffusefield")) return Section::kDiffusefield;
    return Section::kNone;
  }

  // Every child element is a data point, whatever its name; polar points are taken
  // in order (the angle attribute is not read). False when a point has no text.
  bool readSection(const TiXmlElement& section, Section kind, MicrophoneRecord& record) {
    for (const TiXmlElement* point = section.FirstChildElement(); point != nullptr;
         point = point->NextSiblingElement()) {
      const char* text = point->GetText();
      if (text == nullptr) return false;
      const double value = micdata::readNumberText(text);
      switch (kind) {
        case Section::kPolar100Hz:
          record.polar100Hz.push_back(value);
          break;
        case Section::kPolar1000Hz:
          record.polar1000Hz.push_back(value);
          break;
        case Section::kPolar10000Hz:
          record.polar10000Hz.push_back(value);
          break;
        case Section::kFreefield:
          record.freefield.push_back({frequencyOf(*point), value});
          break;
        case Section::kDiffusefield:
          record.diffusefield.push_back({frequencyOf(*point), value});
          break;
        case Section::kNone:
          break;
      }
    }
    return true;
  }

  // A missing or unreadable frequency repeats the previous point's, across the load.
  double frequencyOf(const TiXmlElement& point) {
    double frequency = 0.0;
    if (micdata::parseNumberText(point.Attribute("frequency"), frequency))
      lastFrequency_ = frequency;
    return lastFrequency_;
  }

  // The i-th value of a filter belongs to grid point i; its frequency attribute is
  // not read. A name that is already present keeps its first curve.
  Step readFilters(const TiXmlElement& filters) {
    if (filters.FirstChild() == nullptr) return Step::kEndLoading;
    for (const TiXmlNode* entry = filters.FirstChild(); entry != nullptr;
         entry = entry->NextSiblingElement()) {
      if (entry->FirstChildElement() == nullptr) return Step::kEndLoading;
      std::vector<double> curve;
      bool complete = true;
      for (const TiXmlElement* point = entry->FirstChildElement(); point != nullptr && complete;
           point = point->NextSiblingElement()) {
        const char* text = point->GetText();
        if (text == nullptr)
          complete = false;
        else
          curve.push_back(micdata::readNumberText(text));
      }
      const TiXmlElement* filter = entry->ToElement();
      const char* name = filter != nullptr ? filter->Attribute("name") : nullptr;
      if (complete && name != nullptr) filters_.emplace(name, std::move(curve));
    }
    return Step::kGoOn;
  }

  std::vector<MicrophoneRecord> omni_;
  std::vector<MicrophoneRecord> eight_;
  FilterCurves filters_;
  double lastFrequency_ = 0.0;
};

}  // namespace

std::unique_ptr<MicrophoneData> failedMicrophoneData(const char* description) {
  diag::write("Could not load xml file. Error='%s'.\n", description);
  return std::make_unique<MicrophoneData>();
}

std::unique_ptr<MicrophoneData> loadMicrophoneData(const char* text, std::size_t size) {
  if (text == nullptr && size != 0) return failedMicrophoneData("No document text.");
  // The parser reads up to a terminating zero, so it gets a terminated copy of exactly
  // these bytes; a zero byte inside them is not XML and would hide the rest.
  const std::string document = size != 0 ? std::string(text, size) : std::string();
  if (document.find('\0') != std::string::npos)
    return failedMicrophoneData("Zero byte inside the document.");

  TiXmlDocument parser;
  parser.Parse(document.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  if (parser.Error()) return failedMicrophoneData(parser.ErrorDesc());
  const TiXmlElement* root = parser.RootElement();
  if (root == nullptr || std::strcmp(root->Value(), "micdata") != 0)
    return failedMicrophoneData("The root element is not micdata.");

  MicrophoneDocumentReader reader;
  reader.read(*root);
  return reader.takeModel();
}
