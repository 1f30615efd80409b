// One full picture with every overlay on, at the main window's picture size,
// through the QPainter surface on its backing image.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QGuiApplication>

#include "drawroutine.h"
#include "graphicsview.h"
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

void BM_FullPicture(benchmark::State& state) {
    PictureImage picture(QSizeF(6805, 5895), 15);
    AllOn controls;
    NoLabels labels;
    DrawPlatform platform{picture.surface(), controls, labels, '.'};
    const FieldTexts fields{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
    for (auto _ : state) {
        DrawRoutine routine;
        routine.draw(fields, false, platform);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(BM_FullPicture)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

/// quorvel_g's graphics-ready view at its finest: a grid, ticks and numbers
/// every degree on a 600-pixel disk that fills the window's picture box, the
/// events let run once a frame as the window does.
void BM_FinestGraphicsView(benchmark::State& state) {
    PictureImage picture(QSizeF(9880, 9300), 15);
    struct Finest : AllOn {
        std::string text(TextBox box) const override {
            return box == TextBox::txtdia ? "600" : box == TextBox::txtfont ? "14" : "1";
        }
    } controls;
    NoLabels labels;
    QElapsedTimer frame;
    picture.surface().onevents = [&] {
        if (frame.isValid() && frame.elapsed() < 30) return;
        picture.surface().finish();
        QCoreApplication::processEvents();
        frame.restart();
    };
    DrawPlatform platform{picture.surface(), controls, labels, '.'};
    const FieldTexts fields{"21", "6", "2006", "12", "0", "0", false, "51.5", "0"};
    StyleSizes sizes;
    checkstylesizes([&](TextBox box) { return controls.text(box); }, largestdiameter(15), sizes);
    const StyleOpts style{};
    auto view = [&](Surface& s, RedrawState& st, const PictureControls& c, ArrowPoints& pts) {
        drawgraphicpicture(s, st, c, style, sizes, pts);
    };
    for (auto _ : state) {
        DrawRoutine routine;
        routine.draw(fields, false, platform, view, CaptionStyle::graphics);
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(BM_FinestGraphicsView)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
