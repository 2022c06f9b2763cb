// The checker's two ways of writing a report: for a person, and as one JSON
// document for a build pipeline.
#pragma once

#include "DescriptionCheck.h"

#include <ostream>
#include <string>

// How the report's texts (code page 932) reach the output.
using OutputEncoding = std::string (*)(const std::string& cp932);

// How the report's texts reach this system's console: as they are on
// Windows (code page 932), as UTF-8 elsewhere.
OutputEncoding consoleEncoding();

// The header as the program understands it, the patches, every command
// line with its line number, then the warnings.
void writeTextReport(const DescriptionReport& report, std::ostream& out, OutputEncoding encode);

// The same as one JSON document, in UTF-8.
void writeJsonReport(const DescriptionReport& report, std::ostream& out);

// The warnings alone: "警告はありません。", or their number and one line a
// warning.
void writeTextWarnings(const DescriptionReport& report, std::ostream& out, OutputEncoding encode);

// The warnings as a JSON array (the value of "warnings").
void writeJsonWarnings(const DescriptionReport& report, std::ostream& out);

// A text (code page 932) as a JSON string, in UTF-8.
std::string jsonString(const std::string& cp932);

// The sentence that explains a warning (code page 932).
const char* checkReason(CheckCode code);
