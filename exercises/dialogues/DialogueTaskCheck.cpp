#include "exercises/dialogues/DialogueTaskCheck.h"

#include "exercises/dialogues/ComprehensionModel.h"
#include "exercises/dialogues/DialogueGaps.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "exercises/shared/BodyXml.h"
#include "utils/Utils.h"

using namespace Qt::StringLiterals;

namespace {

// The mode at position (0-based), or nothing when it is missing or no number.
std::optional<int> Mode(const QStringList &modes, int position)
{
    int value = 0;
    if (position >= modes.size() || !Utils::ParseInteger(modes[position], &value))
        return std::nullopt;
    return value;
}

bool KnownMode(int mode)
{
    return mode >= 1 && mode <= 3;
}

void InspectComprehension(const QStringList &modes, const QList<QDomElement> &kwestie, QStringList &problems)
{
    const std::optional<int> mode = Mode(modes, 0);
    if (!mode)
        return;
    if (!KnownMode(*mode)) {
        problems << u"comprehension: tryb_znikania 1 is %1; only 1, 2 and 3 hide lines, so nothing is asked"_s
                        .arg(*mode);
        return;
    }
    if (*mode != Comprehension::AuthorHidden)
        return;
    for (const QDomElement &kwestia : kwestie) {
        int visible = 1;
        if (Utils::ParseInteger(kwestia.attribute(u"visible"_s), &visible) && visible == 0)
            return;
    }
    problems
        << u"comprehension: mode 1 hides the lines marked visible=\"0\", and no line is; nothing is asked"_s;
}

void InspectCompletion(const QStringList &modes, const QList<QDomElement> &kwestie, QStringList &problems)
{
    const std::optional<int> mode = Mode(modes, 1);
    if (!mode)
        return;
    if (!KnownMode(*mode)) {
        problems << u"completion: tryb_znikania 2 is %1; only 1, 2 and 3 make gaps, so every line is empty"_s
                        .arg(*mode);
        return;
    }
    int slotCount = 0;
    for (qsizetype i = 0; i < kwestie.size(); ++i) {
        const QString where = u"completion: kwestia %1"_s.arg(i + 1);
        const QString tresc = kwestie[i].firstChildElement(u"tresc"_s).text();
        if (*mode != DialogueGaps::RandomOnly && tresc.contains(u"<>"_s))
            problems << where + u": an empty gap \"<>\" is no slot"_s;
        if (*mode == DialogueGaps::AuthorGaps) {
            slotCount += DialogueGaps::CountGaps(tresc);
            continue;
        }
        const DialogueGaps::TGapPlan plan = DialogueGaps::PlanGaps(tresc, *mode);
        slotCount += plan.Gaps;
        if (plan.Gaps < plan.Target)
            problems << where + u": its %1 words call for %2 gaps, but only %3 can be placed (gaps may not "
                                u"stand side by "
                                u"side, and a word needs a letter or digit)"_s.arg(plan.Words)
                                    .arg(plan.Target)
                                    .arg(plan.Gaps);
    }
    if (slotCount == 0 && !kwestie.isEmpty())
        problems
            << (*mode == DialogueGaps::AuthorGaps
                    ? u"completion: mode 1 uses the author's gaps, and no line has one; there is nothing to fill in"_s
                    : u"completion: mode %1 finds no line long enough for a gap (4 words or more); there is "
                      u"nothing "
                      u"to fill in"_s.arg(*mode));
}

} // namespace

QStringList InspectDialogueTasks(const QByteArray &bytes, const QList<int> &kinds)
{
    Exercises::TExerciseBody xml;
    QString error; // an unreadable file is reported by the envelope's own check
    if (!Exercises::OpenExerciseBody(bytes, xml, error))
        return {};
    const TXMLDialogiBodyType body(xml.Body);
    const QStringList modes = body.TrybyZnikania();
    const QList<QDomElement> kwestie = body.Kwestie();
    QStringList problems;
    if (kinds.contains(14))
        InspectComprehension(modes, kwestie, problems);
    if (kinds.contains(18))
        InspectCompletion(modes, kwestie, problems);
    return problems;
}
