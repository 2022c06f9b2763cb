// The checker's two ways of writing a report: for a person, and as one JSON
// document for a build pipeline.
#pragma once

#include "DescriptionCheck.h"

#include <ostream>
#include <string>

// How the report's texts (code page 932) reach the output.
using OutputEncoding = std::string (*)(const std::string& cp932);

// The header as the program understands it, the patches, every command
// line with its line number, then the warnings.
void writeTextReport(const DescriptionReport& report, std::ostream& out, OutputEncoding encode);

// The same as one JSON document, in UTF-8.
void writeJsonReport(const DescriptionReport& report, std::ostream& out);

// The sentence that explains a warning (code page 932).
const char* checkReason(CheckCode code);
