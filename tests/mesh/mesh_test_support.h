// Fixture files and standard-output capture for the mesh loader's tests.
#pragma once

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace meshtest {

inline std::string fixture(const std::string& name) {
  std::ifstream in(std::string(MESH_FIXTURES_DIR) + "/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("missing fixture " + name);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Collects what is written to std::cout while it lives.
class CoutCapture {
 public:
  CoutCapture() : saved_(std::cout.rdbuf(captured_.rdbuf())) {}
  ~CoutCapture() { std::cout.rdbuf(saved_); }
  std::string text() const { return captured_.str(); }

 private:
  std::ostringstream captured_;
  std::streambuf* saved_;
};

}  // namespace meshtest
