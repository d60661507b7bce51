// Everything the driver prints is UTF-8, one fact per line, so that the scenario scripts can
// compare it with their own literals; the program's texts are GBK and are converted here.
#pragma once

#include <string>
#include <string_view>

// The GBK text as UTF-8, followed by a line end.
void printLine(std::string_view gbk);

// "key value", the value converted like printLine.
void printField(std::string_view key, std::string_view gbkValue);
void printField(std::string_view key, long value);

// Carriage returns, line feeds and tabs shown as \r, \n and \t, so that a text stays on one line.
std::string escapedText(std::string_view gbk);

// A diagnostic on stderr, converted like printLine.
void printError(std::string_view gbk);

std::string hexText(unsigned long value, int digits);
