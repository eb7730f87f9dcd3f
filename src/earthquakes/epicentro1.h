// The epicentre model: a random earthquake whose P and S fronts reach three stations, the
// travel-time chart that turns each station's delay into a distance, and the map and chart pages.
#pragma once

#include <array>
#include <string>

#include "raster/canvas.h"

namespace epicentro1 {

constexpr int kStations = 3;

// The window's timers, as the model switches them.
enum class TimerId { tempo, temposec, Timer1, Timer2, Timer3 };

// What the model asks of its window besides drawing: switching its timers and beeping.
class Host {
public:
    virtual ~Host() = default;
    virtual void setTimer(TimerId timer, bool enabled) = 0;
    virtual void beep() = 0;
};

// A read-only result field: its text and whether it shows.
struct Field {
    std::string text;
    bool visible = false;
};

// The state of the window's controls as the handlers leave it; the form shows it.
struct Controls {
    bool pausa = true;      // enabled
    bool graf = false;
    bool traccia = false;
    bool pagi = false;
    bool disegna = true;
    int pagiHintRow = 13;   // HintTexts row of pagi's hint
    std::array<Field, kStations> t;   // delays, in sotto
    std::array<Field, kStations> r;   // distances, in sotto
    std::array<Field, kStations> a;   // running delay counts beside the stations
    Field a4;                         // running delay while the chart is traced
};

// Which page the window's surface holds exactly, pixel for pixel; none while it holds
// anything else (a transition, another page's picture).
enum class Page { none, map, chart };

// The unit's state: it outlives the window's form.
struct State {
    raster::Bitmap map;     // the map page
    raster::Bitmap chart;   // the chart page
    raster::Rect client{0, 0, 0, 0};
    int w = 0;
    int h = 0;
    int ex = 0;   // the epicentre
    int ey = 0;
    std::array<int, kStations> d{};   // station distances, pixels
    int dmax = 1;
    int rS = 1;   // wave radii, pixels
    int rP = 1;
    std::array<int, kStations> c{};           // delay counters, ticks
    std::array<std::string, kStations> D;     // distance texts (4 km a pixel)
    int x = 4;    // trace position
    int k = 0;    // transition step
    bool firstChart = true;
    bool chartPage = true;
    bool FirstActivation = true;
    bool tempoRunning = true;
    bool temposecRunning = false;
    Controls ui;
    // What the last ticks left: the page the window shows, and the radii of the P and S rings
    // now on the map (0: none). A tick then redraws only what changes, on the map and on the
    // window alike.
    Page shown = Page::none;
    int ringP = 0;
    int ringS = 0;
};
State& state();

// The three stations on a client of width w and height h, and their colours.
raster::Point station(int w, int h, int k);
raster::Color stationColour(int k);
// Where the running counts a1..a3 and a4 stand.
raster::Point counterPosition(int w, int h, int k);
raster::Point traceCounterPosition(int w, int h);
// v written right-aligned in `width` characters (wider numbers keep all their digits).
std::string rightAligned(int v, int width);

// FormCreate: the two black bitmaps of w x h, k := 0, the controls at rest, the running flags
// and FirstActivation.
void create(int w, int h);
// disegnaClick: a new earthquake from the program's random generator.
void disegnaClick(Host& host);
// tempoTimer: one step of the P and S fronts on the map.
void tempoTimer(raster::Canvas& window, bool paused, bool sound, Host& host);
// grafClick, Timer1Timer, Timer2Timer: the chart page built and revealed from the centre.
void grafClick(raster::Canvas& window, Host& host);
void timer1Timer(Host& host);
void timer2Timer(raster::Canvas& window, Host& host);
// tracciaClick, temposecTimer: the trace along the chart, then the circles on the map.
void tracciaClick(Host& host);
void temposecTimer(raster::Canvas& window, bool paused, Host& host);
// pagiClick, Timer3Timer: swap the pages.
void pagiClick(raster::Canvas& window, Host& host);
void timer3Timer(raster::Canvas& window, Host& host);
// FormClose: frees both bitmaps.
void release();

}  // namespace epicentro1
