// The definitions file: languages, numbered interface texts and group names.

#include "FuzzSupport.h"
#include "course/Struct_Definitions.h"
#include "course/Struct_Paczka.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Course::TXMLDefinitionsType definitions;
    if (!definitions.LoadFromBytes(Fuzz::Bytes(data, size)))
        return 0;
    try {
        definitions.Languages();
        for (int id : definitions.GroupIds())
            definitions.GroupName(id, 0);
        definitions.InterfaceTextEntries(0);
        definitions.InterfaceTextEntries(1);
    } catch (const Course::TXMLReadError &) {
        // numbers that are no numbers: the start-up reports the file
    }
    return 0;
}
