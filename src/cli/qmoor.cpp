// qmoor: the query command line. Everything but reading argv lives in the
// query library (query/query.h).
#include <iostream>
#include <string>
#include <vector>

#include "stock_files/demons_file_reading.h"
#include "query/query.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> words(argv + 1, argv + argc);
  const int status = qmoor::query::runQuery(words, std::cout, std::cerr, qmoor::readDemonsFileFromDisk);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << (qmoor::query::messageLanguage(words) == qmoor::Language::Japanese
                      ? "qmoor: 回答を書き出せませんでした\n"
                      : "qmoor: the answer could not be written\n");
    return 1;
  }
  return status;
}
