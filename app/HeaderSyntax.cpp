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
    bool emptyFieldBehind;
    return cutField(line, field, emptyFieldBehind);
}

bool cutField(FCString& line, FCString& field, bool& emptyFieldBehind)
{
    if (line.cutToken(field, ";") == nullptr)
        return false;
    const char* rest = line.rest();
    emptyFieldBehind = rest[0] == ';' && rest[1] == ';';
    line.skipSet("; \t");
    return true;
}

}  // namespace header
