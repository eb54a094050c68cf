// The catalogue scan on generated courses of 200 and 2,000 exercise files. The scan must grow
// linearly: compare the two figures (or read the fitted complexity at the end of the run).

#include "course/Catalogue.h"
#include "tests/course/CourseFixture.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A course shaped like a real one: twenty groups, mostly plain exercises with a body of a
// few kilobytes, some packages of variant 2 and some of variant 1 with three items each.
std::unique_ptr<CourseFixture> makeCourse(int files)
{
    auto course = std::make_unique<CourseFixture>();
    QStringList groups;
    for (int g = 1; g <= 20; ++g)
        groups << QStringLiteral("%1:Grupa %1:Group %1").arg(g);
    QStringList hints;
    for (int h = 1; h <= 117; ++h)
        hints << QStringLiteral("%1:Tekst %1:Text %1").arg(h);
    course->WriteDefinitions(groups, hints);

    QString body;
    for (int line = 0; line < 30; ++line)
        body +=
            QStringLiteral("<kwestia id=\"%1\"><osoba>A</osoba><tekst>Could you tell me the way to the "
                           "station, please?</tekst><tlumaczenie id=\"0\">Czy może mi pan powiedzieć, jak "
                           "dojść na dworzec?</tlumaczenie></kwestia>")
                .arg(line);
    for (int i = 0; i < files; ++i) {
        const int group = 1 + i % 20;
        const QString name = QStringLiteral("cw%1.xml").arg(i, 5, 10, QChar(u'0'));
        QString exercise;
        if (i % 10 == 3) {
            exercise = CourseFixture::Exercise(100, group, QStringLiteral("Pakiet %1").arg(i), {}, 2,
                                               QStringLiteral("2"), QStringLiteral("31"), body);
        } else if (i % 10 == 7) {
            QString items = QStringLiteral("<znaczniki_nagrania>0#10#20</znaczniki_nagrania>");
            for (int k = 0; k < 3; ++k)
                items += QStringLiteral(
                             "<element_paczki id=\"%1\"><nazwa id=\"0\">Część %1</nazwa><poziom>1</poziom>"
                             "<typ_cw>3</typ_cw><plik>p%2_%1.xml</plik></element_paczki>")
                             .arg(k)
                             .arg(i);
            exercise = CourseFixture::Exercise(100, group, QStringLiteral("Pakiet %1").arg(i), {}, 1,
                                               QStringLiteral("1"), QStringLiteral("1"), items);
        } else {
            exercise = CourseFixture::Exercise(11 + (i % 3), group, QStringLiteral("Ćwiczenie %1").arg(i),
                                               QStringLiteral("Exercise %1").arg(i), 1 + i % 4, {}, {}, body);
        }
        course->WriteExercise(name, CourseFixture::Utf8(exercise));
    }
    return course;
}

CourseFixture &courseOf(int files)
{
    static std::map<int, std::unique_ptr<CourseFixture>> courses;
    auto &course = courses[files];
    if (!course)
        course = makeCourse(files);
    return *course;
}

void BM_LoadCatalogue(benchmark::State &state)
{
    const int files = int(state.range(0));
    CourseFixture &course = courseOf(files);
    Utils::SetProgramFolder(course.Folder());
    Utils::SetSystemErrorHandler([](const QString &, const QString &) {});
    Course::TCatalogue catalogue;
    for (auto _ : state) {
        const Course::TCatalogueLoadResult result = Course::LoadCatalogue(catalogue, {0, nullptr});
        if (result.AcceptedFiles != files)
            state.SkipWithError("the generated course did not load in full");
        benchmark::DoNotOptimize(catalogue.CatalogueList.size());
    }
    state.SetComplexityN(files);
    state.counters["files/s"] =
        benchmark::Counter(double(files), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_LoadCatalogue)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
