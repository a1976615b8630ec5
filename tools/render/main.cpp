// lobeshift-render: runs recordings through the Lobeshift plug-in offline (see --help).

#include <iostream>
#include <string>
#include <vector>

#include "tools/render/report_output.h"
#include "tools/render/tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  render::ReportOutput report;
  return render::runTool(arguments, report.stream(), std::cerr, &report);
}
