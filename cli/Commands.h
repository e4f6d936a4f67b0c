#pragma once
// The subcommands of crepulo-cli. Each returns the process exit code; messages
// go to standard error, results to standard output or the output file.

#include <string>
#include <vector>

int RunTableCommand(const std::vector<std::string>& args);
int RunPlacesCommand(const std::vector<std::string>& args);

// Writes all bytes to standard output; false (after a message on standard
// error) when they could not all be written, e.g. to a full device.
bool WriteToStdout(const std::string& bytes);

// Prints a German message (UTF-8) and a line end to standard error.
void PrintError(const std::string& message);
