#pragma once
// Runs crepulo-cli as its own process and collects what it wrote.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

struct CliRun
{
    int exitCode = -1;
    std::string out;  // standard output, byte for byte
    std::string err;  // standard error
};

inline std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

inline std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `stdoutTarget`, when given, replaces the captured standard output (e.g. /dev/full).
inline CliRun RunCli(const std::vector<std::string>& args, const std::string& stdoutTarget = {})
{
    namespace fs = std::filesystem;
    static int counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path base = fs::temp_directory_path() / ("crepulo-cli-" + std::to_string(stamp) + "-"
                                                        + std::to_string(counter++));
    const fs::path outPath = base.string() + ".out";
    const fs::path errPath = base.string() + ".err";
    std::string command = ShellQuoted(CREPULO_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    command += " >" + ShellQuoted(stdoutTarget.empty() ? outPath.string() : stdoutTarget);
    command += " 2>" + ShellQuoted(errPath.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    std::error_code ec;
    fs::remove(outPath, ec);
    fs::remove(errPath, ec);
    return run;
}
