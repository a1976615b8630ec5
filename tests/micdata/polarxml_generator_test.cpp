// The committed microphone document is the generator's output, byte for byte.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs a shell command and returns its standard output and exit status.
std::string run(const std::string& command, int& status) {
  std::string output;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    status = -1;
    return output;
  }
  char buffer[65536];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
  const int result = ::pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return output;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

TEST(PolarXmlGenerator, WritesTheCommittedDocumentToStandardOutput) {
  const std::string committed = readFile(POLARXML_DOCUMENT);
  ASSERT_FALSE(committed.empty()) << POLARXML_DOCUMENT;
  int status = -1;
  const std::string generated = run(quoted(POLARXML_GENERATOR), status);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(generated.size(), committed.size());
  // Report the first differing byte rather than two 70 kB strings.
  const auto [mine, theirs] = std::mismatch(generated.begin(), generated.end(), committed.begin());
  EXPECT_TRUE(mine == generated.end()) << "first difference at byte " << (mine - generated.begin());
}

TEST(PolarXmlGenerator, WritesTheSameBytesToAFile) {
  const std::string path = ::testing::TempDir() + "polarxml_generator_test.xml";
  int status = -1;
  run(quoted(POLARXML_GENERATOR) + " " + quoted(path), status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(readFile(path), readFile(POLARXML_DOCUMENT));
  std::remove(path.c_str());
}

TEST(PolarXmlGenerator, FailsLoudlyWhenItCannotWrite) {
  int status = -1;
  run(quoted(POLARXML_GENERATOR) + " /nonexistent-directory/PolarXML.xml 2>/dev/null", status);
  EXPECT_EQ(status, 1);
  run(quoted(POLARXML_GENERATOR) + " a b 2>/dev/null", status);
  EXPECT_EQ(status, 2);
}

}  // namespace
