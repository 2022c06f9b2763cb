#include "HeaderSyntax.h"

namespace header {

void moveToValue(FCString& line)
{
    line.rewind();
    line.findChar('=');
    line.skipSet("= \t");
    line.skipSet(";");
}

bool cutField(FCString& line, FCString& field)
{
    if (line.cutToken(field, ";") == nullptr)
        return false;
    line.skipSet("; \t");
    return true;
}

}  // namespace header
