// The subcommands of polyshard-puzzle. Each gets the arguments after its own
// name and returns the program's exit code: 0 success, 1 a refused or invalid
// input, 2 a usage error.
#pragma once

#include <string>
#include <vector>

using ToolArgs = std::vector<std::string>;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunCheck(const ToolArgs& args);
int RunDifficulty(const ToolArgs& args);
int RunMake(const ToolArgs& args);
int RunShow(const ToolArgs& args);
int RunSimilar(const ToolArgs& args);
int RunSolve(const ToolArgs& args);

// Prints the usage of every subcommand (to stderr when toError).
void PrintUsage(bool toError);
// A usage error: the message and the usage on stderr, and kExitUsage.
int UsageError(const std::string& message);
