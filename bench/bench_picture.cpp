// One full picture with every overlay on, at the main window's picture size,
// through the QPainter surface on its backing image.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "drawroutine.h"
#include "qpaintersurface.h"

namespace {

using namespace quorvel;

class AllOn : public PictureControls {
public:
    bool checked(CheckBox box) const override { return box != CheckBox::chkflip && box != CheckBox::chkinvert; }
};
class NoLabels : public LabelSink {
public:
    void setcaption(ResultLabel, const std::string&) override {}
};
class NoMessages : public MessageBoxes {
public:
    void showmessage(const std::string&, const std::string&) override {}
};
class NoEnd : public ProgramEnd {
public:
    void endprogram() override {}
};

void BM_FullPicture(benchmark::State& state) {
    PictureImage picture(QSizeF(6805, 5895), 15);
    AllOn controls;
    NoLabels labels;
    NoMessages messages;
    NoEnd end;
    DrawPlatform platform{picture.surface(), controls, labels, messages, end, '.'};
    const FieldTexts fields{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
    for (auto _ : state) {
        DrawRoutine routine;
        routine.draw(fields, false, platform);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(BM_FullPicture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
