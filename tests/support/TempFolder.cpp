#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <cstdlib>

TempFolder::TempFolder()
{
    std::string tmpl = "/tmp/lexidrill-test-XXXXXX";
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    Dir = tmpl + "/";
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(Dir, ec);
}

void TempFolder::MakeDir(const std::string& relative) const { std::filesystem::create_directories(Dir + relative); }

void TempFolder::Write(const std::string& relative, const std::string& bytes) const
{
    std::ofstream out(Dir + relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string TempFolder::Read(const std::string& relative) const
{
    std::ifstream in(Dir + relative, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool TempFolder::Exists(const std::string& relative) const { return std::filesystem::exists(Dir + relative); }
