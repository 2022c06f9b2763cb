// The rehearsal's report: a heading for each update and how its run ends,
// then one line a change, "KIND<TAB>SUBJECT[<TAB>DETAIL]", sorted, so that
// a script can compare them with what a real run did.
#pragma once

#include "Rehearsal.h"
#include "ReportOutput.h"

#include <ostream>
#include <string>

// installFolder as the user named it.
void writeRehearsal(const Rehearsal& rehearsal, const std::string& installFolder,
                    std::ostream& out, OutputEncoding encode);
