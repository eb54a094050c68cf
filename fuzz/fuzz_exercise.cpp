// An exercise file as the catalogue and the screens read it: the envelope with the package
// body, and the body of the multiple-choice test.

#include "FuzzSupport.h"
#include "course/Struct_Paczka.h"
#include "exercises/words/Struct_Test.h"
#include "utils/Utils.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    QDomDocument document;
    if (Utils::ParseXml(bytes, document)) {
        const Course::TXMLCwiczenieType cwiczenie(document.documentElement());
        if (cwiczenie.IsExercise()) {
            try {
                const Course::TXMLConfigType config = cwiczenie.Config();
                config.Grupa();
                config.Poziom();
                config.Typ_cw();
                config.Param1AsInteger();
                config.Param2();
            } catch (const Course::TXMLReadError &) {
                // a number that is no number: the catalogue reports the file
            }
            Course::ExerciseTitle(cwiczenie, 1);
            const Course::TXMLBodyType body(cwiczenie.Body());
            body.Znaczniki_nagrania();
            for (const Course::TXMLElement_paczkiType &item : body.Element_paczki()) {
                try {
                    item.Poziom();
                    item.Typ_cw();
                } catch (const Course::TXMLReadError &) {
                }
                item.Plik();
                item.Nazwa(0);
            }
        }
    }
    ReadTest(bytes, 1, 0);
    InspectTest(bytes);
    return 0;
}
