// Draws the lit globe of the Earth from coarse hand-made continent outlines.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace artwork {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Outline points as (longitude, latitude) in degrees, rough on purpose.
using Outline = std::vector<QPointF>;

const std::vector<Outline>& landOutlines()
{
    static const std::vector<Outline> outlines = {
        // Africa
        {{-5.9, 35.8}, {-9.8, 29.5}, {-13, 27.5}, {-17, 21}, {-17.5, 14.7}, {-16.7, 12.4},
         {-13.5, 9.5}, {-11.5, 6.9}, {-7.5, 4.4}, {-4, 5.2}, {1, 5.9}, {4.5, 6.3}, {6, 4.3},
         {8.5, 4.5}, {9.7, 3}, {9.5, 1}, {9, -1}, {11.8, -4.5}, {12.3, -6}, {13.4, -9},
         {13.6, -12}, {11.8, -17}, {14.5, -22.5}, {15.2, -27}, {16.5, -28.6}, {18.4, -33.9},
         {20, -34.8}, {22.5, -34}, {25.6, -33.9}, {28, -32.5}, {30.9, -29.9}, {32.6, -26},
         {35.5, -23.8}, {35.3, -21.5}, {34.7, -19.8}, {36.9, -17.5}, {40.5, -15}, {40.4, -10.5},
         {39.3, -7}, {39.2, -4.7}, {40.2, -2.5}, {41.8, -1}, {43.5, 1.7}, {46, 3.5}, {48.9, 6.5},
         {51.2, 10.4}, {51.3, 11.8}, {48.5, 11.2}, {45, 10.5}, {43.3, 11.9}, {42.8, 12.6},
         {41, 14.8}, {39.2, 15.8}, {38.3, 18}, {37.2, 21}, {36, 24}, {34.5, 26.5}, {33.6, 27.8},
         {32.5, 29.9}, {32.2, 31.3}, {29.9, 31.2}, {25, 31.6}, {22, 32.9}, {20, 30.9},
         {19, 30.3}, {15.5, 31.8}, {11.5, 33.2}, {10.2, 35}, {11, 37}, {9.5, 37.3}, {3, 36.8},
         {-1, 35.5}},
        // Madagascar
        {{49.3, -12}, {50.4, -15.5}, {49.5, -17.6}, {48, -21.5}, {47.1, -24.9}, {45.2, -25.5},
         {43.6, -23.5}, {43.3, -21.9}, {44.4, -19.8}, {44, -17}, {46.2, -15.8}, {47.9, -13.5}},
        // Eurasia
        {{-5.6, 36}, {-6.3, 36.5}, {-7.4, 37.2}, {-8.9, 37}, {-8.8, 38.5}, {-9.5, 38.7},
         {-8.8, 40.2}, {-8.9, 42}, {-9.3, 43}, {-8, 43.7}, {-1.8, 43.4}, {-1.2, 46},
         {-2.5, 47.3}, {-4.7, 48.4}, {-1.5, 48.7}, {-1.3, 49.7}, {0.2, 49.5}, {1.6, 50.9},
         {3.2, 51.3}, {4.5, 52.5}, {5.5, 53.3}, {8.6, 53.9}, {8.1, 55.5}, {8.2, 56.8},
         {10.6, 57.7}, {10.5, 56.5}, {10, 55}, {11, 54}, {14, 54}, {18.6, 54.5}, {21.1, 55.7},
         {21, 56.9}, {24.1, 57}, {24.4, 58.4}, {23.5, 59.2}, {28, 59.5}, {30, 59.9}, {29, 60.2},
         {25, 60.3}, {22.3, 60.4}, {21.5, 63.2}, {25.4, 65}, {24, 65.8}, {22.2, 65.7},
         {20.3, 63.8}, {17.5, 62.4}, {17.2, 61}, {18.9, 60.1}, {18, 59.3}, {16.5, 57.3},
         {16, 56.2}, {14.2, 55.4}, {12.9, 55.5}, {11.9, 57.7}, {11, 59}, {10.5, 59.7}, {8, 58.1},
         {5.6, 58.9}, {5, 60.4}, {5.2, 62}, {7, 62.8}, {10.5, 64.5}, {13, 66.5}, {15.5, 68.5},
         {18.5, 69.8}, {21, 70.2}, {25.8, 71.1}, {28.5, 70.8}, {31, 70}, {33, 69.3}, {36, 69},
         {41, 67.7}, {44, 68.5}, {50, 67.9}, {54, 68.6}, {60, 69.7}, {66, 69}, {68, 70},
         {69, 73}, {72, 72.5}, {75, 72}, {80, 73.5}, {86, 74.5}, {100, 76}, {104, 77.7},
         {113, 73.7}, {120, 73}, {129, 73}, {140, 72.5}, {150, 71.5}, {160, 70}, {170, 70},
         {180, 69}, {180, 65}, {179, 62.5}, {173, 61.7}, {170, 60}, {163, 59.9}, {163, 58},
         {162, 56}, {160, 53}, {156.7, 51}, {156, 52.5}, {155.5, 55}, {156.5, 57.5},
         {160, 61.3}, {154, 59.3}, {151, 59.5}, {143, 59.3}, {137, 54}, {141, 52.5},
         {140.5, 48}, {138, 46}, {135, 43.5}, {132, 43}, {129.7, 41}, {129.4, 35.5},
         {126.5, 34.4}, {126.2, 37}, {124.8, 39.7}, {121.5, 40.8}, {121, 38.8}, {117.8, 39.2},
         {118.9, 37.5}, {122.5, 37.3}, {120, 35.5}, {120.7, 32.5}, {121.9, 30.8}, {121.5, 28.5},
         {119.5, 25.5}, {117, 23.5}, {114, 22.3}, {110.5, 20.6}, {108, 21.5}, {106.7, 20.5},
         {105.7, 18.8}, {108.8, 15.5}, {109.2, 11.5}, {106.7, 10.4}, {104.8, 8.6}, {105, 10},
         {103, 10.5}, {100.5, 13.4}, {99.2, 10.5}, {100.3, 8.2}, {100.9, 6.3}, {103.4, 4.5},
         {104.2, 1.3}, {101.3, 2.8}, {100.3, 5.5}, {98.5, 8}, {98.6, 10.5}, {98.2, 13.5},
         {97.6, 16.5}, {94.3, 16}, {94.5, 19}, {92.3, 20.7}, {91.8, 22.3}, {90, 21.9},
         {88.5, 21.7}, {86.9, 21}, {85, 19.3}, {82.3, 16.6}, {80.3, 15.5}, {80.2, 13},
         {79.8, 10.3}, {78.2, 8.9}, {77.5, 8.1}, {76.3, 9.9}, {74.8, 12.9}, {73.7, 15.5},
         {72.8, 19}, {72.6, 21.5}, {70.2, 20.8}, {68.9, 22.3}, {67.5, 24}, {67, 24.8},
         {61.6, 25.2}, {57.3, 25.8}, {56.3, 27.1}, {54.5, 26.6}, {51.5, 27.9}, {50.2, 30},
         {48, 29.5}, {50.1, 26.2}, {51.6, 25}, {51.6, 24.2}, {54.5, 24.3}, {56.2, 25.8},
         {56.4, 24.8}, {58.7, 23.6}, {59.8, 22.4}, {57.8, 19}, {55, 17}, {52.2, 15.6},
         {48.7, 14}, {45, 12.8}, {43.4, 12.7}, {42.7, 15.5}, {40.7, 19.5}, {39.1, 21.5},
         {37.8, 24}, {35.1, 28}, {34.9, 29.5}, {34.3, 27.7}, {32.6, 30}, {32.3, 31.2},
         {34.2, 31.3}, {35, 32.8}, {35.9, 35}, {36, 36.5}, {34.5, 36.8}, {32.5, 36.1},
         {30.5, 36.5}, {28.3, 36.8}, {27.3, 37.8}, {26.4, 39.4}, {26.7, 40.4}, {26.4, 40.6},
         {23, 40.4}, {22.9, 39.4}, {24, 38}, {23.2, 36.4}, {22.4, 36.4}, {21.6, 37},
         {21.1, 38.3}, {20, 39.5}, {19.4, 41.8}, {18.5, 42.5}, {15.5, 44}, {13.6, 45.7},
         {12.3, 45.3}, {12.5, 44}, {13.6, 43.5}, {16, 41.9}, {18.5, 40.1}, {18.4, 39.8},
         {17, 40.5}, {16.5, 39}, {16.1, 38}, {15.6, 38}, {15.8, 39.5}, {14.2, 40.8},
         {12.2, 41.8}, {10.5, 42.9}, {10.1, 44}, {8.9, 44.4}, {7.5, 43.8}, {6, 43.1},
         {4.5, 43.4}, {3.2, 43.2}, {3.2, 42}, {2.1, 41.3}, {0.9, 41}, {-0.3, 39.5},
         {0.2, 38.8}, {-0.7, 37.6}, {-2.1, 36.7}, {-4.4, 36.7}},
        // Great Britain
        {{-5.7, 50.1}, {-3, 50.6}, {1.4, 51.1}, {1.7, 52.7}, {0.3, 53.5}, {-1.5, 55}, {-2, 56},
         {-1.8, 57.5}, {-3.5, 58.6}, {-5, 58.6}, {-6.2, 56.5}, {-5.5, 55.3}, {-3, 54.9},
         {-3.2, 53.4}, {-4.6, 53.2}, {-4.5, 52}, {-5.3, 51.8}, {-3, 51.4}, {-4.5, 51}},
        // Ireland
        {{-6, 52}, {-6.2, 53.8}, {-5.7, 54.7}, {-7.3, 55.3}, {-8.5, 54.3}, {-10, 54},
         {-9.8, 53.1}, {-10.3, 51.8}, {-8.5, 51.6}},
        // Iceland
        {{-22.5, 64}, {-24, 65.5}, {-22, 66.4}, {-16, 66.5}, {-13.5, 65.2}, {-15, 64.3},
         {-18, 63.4}},
        // Svalbard
        {{11, 78.5}, {17, 80.2}, {27, 80}, {21, 77.5}, {15.5, 76.6}},
        // Novaya Zemlya
        {{52, 71.5}, {56, 73.5}, {60, 76}, {68, 76.8}, {62, 74}, {56.5, 70.7}},
        // Sicily, Sardinia, Corsica, Crete, Cyprus
        {{12.4, 38}, {15.6, 38.3}, {15.1, 36.7}, {12.4, 37.6}},
        {{8.4, 41}, {9.8, 41}, {9.6, 39.1}, {8.5, 39}},
        {{8.6, 42.9}, {9.5, 43}, {9.5, 41.4}, {8.8, 41.6}},
        {{23.5, 35.6}, {26.3, 35.3}, {24, 34.9}},
        {{32.3, 35.1}, {34.6, 35.7}, {34, 34.6}, {32.5, 34.7}},
        // Sri Lanka, Taiwan, Hainan
        {{79.8, 9.8}, {81.8, 7.5}, {81, 6}, {80, 6.2}},
        {{121, 25.2}, {122, 25}, {120.8, 22}, {120.2, 23}},
        {{108.6, 19.2}, {110.5, 20.1}, {111, 19.6}, {109.5, 18.2}},
        // Japan: Honshu, Hokkaido, Kyushu, Shikoku
        {{130.9, 34}, {132, 35.5}, {136, 35.7}, {137, 37}, {139.5, 38.5}, {140, 40.5},
         {141.5, 41.4}, {142, 39.5}, {141, 37}, {140.8, 35.7}, {139.8, 35}, {138.5, 34.6},
         {136.8, 34.3}, {135, 33.7}, {133, 34}},
        {{140, 41.5}, {140, 43.2}, {141.7, 45.4}, {145.5, 43.3}, {143.5, 42}},
        {{129.8, 33.5}, {131, 33.9}, {131.7, 31.5}, {130.2, 31.2}},
        {{132.5, 33.2}, {134.5, 34.2}, {134.7, 33.3}, {133, 32.8}},
        // Sakhalin
        {{142, 46}, {143.5, 46.8}, {143, 49.5}, {143.2, 54.3}, {142.2, 54}, {142, 50}},
        // Sumatra, Java, Borneo, Sulawesi, New Guinea
        {{95.3, 5.6}, {97.5, 5.2}, {100, 2.5}, {103.7, -1}, {106, -3}, {106, -5.9},
         {104.5, -5.8}, {101, -3}, {98.6, 1.7}},
        {{105.2, -6.8}, {106, -6}, {108.3, -6.2}, {111, -6.4}, {112.7, -6.9}, {114.5, -7.8},
         {114.4, -8.7}, {111, -8.2}, {108, -7.8}, {106, -7.4}},
        {{109, 1.5}, {110, -1.5}, {111.5, -3}, {114.5, -4}, {116.2, -3.5}, {116.5, -1},
         {118, 1}, {119, 5}, {117, 7}, {116, 6}, {113.5, 4.5}, {111, 2}},
        {{119.5, -5.5}, {120.5, -2.5}, {121.5, 1}, {125, 1.5}, {122.5, -1}, {121.5, -4.5},
         {123.2, -4.5}, {120.5, -2}, {120.5, -5.5}},
        {{131, -1.3}, {134, -1}, {138, -1.7}, {141, -2.6}, {145.7, -4.8}, {147.5, -6.5},
         {150.5, -10.5}, {147, -10}, {144, -8}, {142, -9.2}, {138.5, -8.3}, {137.7, -5.2},
         {135, -4.3}, {132.5, -4}, {131.5, -2.6}},
        // Philippines: Luzon, Mindanao
        {{120.5, 18.5}, {122.3, 18.5}, {122, 16}, {124, 13}, {121.8, 13.8}, {120.6, 14.3},
         {120, 16.5}},
        {{122, 7}, {126.5, 7}, {126.2, 9.3}, {125, 9}, {123.5, 8.6}},
        // Australia, Tasmania, New Zealand
        {{113.5, -22}, {114, -26}, {115, -29}, {115, -34}, {118, -35}, {123, -33.8},
         {126, -32.3}, {131, -31.5}, {134, -32.5}, {135.5, -34.8}, {137.5, -33}, {138, -35.5},
         {140, -37.8}, {143.5, -38.8}, {146.5, -39}, {150, -37.5}, {151.3, -33.8},
         {153.5, -28.5}, {153, -25}, {149, -21}, {146, -18}, {145.4, -15}, {143.5, -14},
         {142.5, -10.7}, {141.5, -13}, {141.5, -16.5}, {139.5, -17.5}, {136.5, -15.5},
         {136.8, -12.2}, {132.5, -11.3}, {130, -12.5}, {129.5, -15}, {126.8, -13.8},
         {125, -15.5}, {122.2, -18}, {119, -20}, {116, -20.7}, {114, -21.8}},
        {{144.6, -40.7}, {148.3, -40.9}, {148, -43.2}, {146, -43.6}},
        {{172.7, -34.4}, {174.5, -36.5}, {178.5, -37.7}, {177, -39.5}, {175, -41.6},
         {174.8, -38.7}},
        {{172.7, -40.5}, {174.3, -41.7}, {171.5, -44.5}, {169, -46.6}, {166.5, -46},
         {168.4, -44}},
        // North America
        {{-168, 65.6}, {-166, 68.9}, {-163, 70.3}, {-156.8, 71.3}, {-148, 70.3}, {-141, 69.6},
         {-130, 69.8}, {-124, 69.4}, {-115, 68.9}, {-108, 68.3}, {-98, 68}, {-96, 67.5},
         {-90, 68.5}, {-85, 69.5}, {-82, 66.5}, {-87, 64}, {-94, 61}, {-93, 58.8},
         {-88, 56.5}, {-82.3, 55}, {-80, 51.5}, {-79, 54.5}, {-77, 59}, {-78, 62.4},
         {-73, 62}, {-69.5, 59}, {-65, 60.3}, {-64, 58}, {-61, 56}, {-57.5, 54},
         {-55.8, 52.2}, {-59, 50.5}, {-66, 50.2}, {-64.2, 48.5}, {-65, 47}, {-61, 45.5},
         {-60, 46}, {-61.5, 45.2}, {-66, 43.5}, {-70, 43.8}, {-70, 41.8}, {-72, 41},
         {-74, 40.5}, {-74, 39}, {-75.5, 38.5}, {-76, 37}, {-75.5, 35.2}, {-78, 33.8},
         {-81, 31.5}, {-80.5, 28.5}, {-80.1, 26}, {-81.2, 25.1}, {-82.6, 27.5}, {-83.5, 29.7},
         {-85.3, 29.7}, {-88, 30.4}, {-89.5, 29}, {-91.5, 29.5}, {-94.5, 29.5}, {-97.3, 27.8},
         {-97.7, 24}, {-97.5, 21.5}, {-96, 19}, {-94.5, 18.2}, {-91, 18.8}, {-90.4, 21},
         {-87, 21.5}, {-87.5, 18.5}, {-88.3, 15.8}, {-84, 15.8}, {-83.2, 15}, {-83.6, 11},
         {-81.5, 9}, {-79.5, 9.5}, {-77.4, 8.5}, {-79.5, 7.5}, {-80.5, 7.3}, {-83, 8.3},
         {-85.7, 10}, {-87.5, 13}, {-91, 13.9}, {-94, 16}, {-96.5, 15.7}, {-101, 17.2},
         {-105.5, 20}, {-105.3, 21.8}, {-109, 26}, {-112.7, 31}, {-114.8, 31.8},
         {-113, 28.5}, {-111, 25}, {-109.9, 22.9}, {-112, 24.8}, {-114.2, 27.7},
         {-116, 30.5}, {-117.1, 32.6}, {-118.5, 34}, {-120.6, 34.6}, {-122.5, 37.7},
         {-124, 40.4}, {-124.5, 42.8}, {-124, 46.3}, {-124.7, 48.4}, {-127, 50.5},
         {-130, 54.5}, {-134, 57.5}, {-137, 59}, {-140, 59.8}, {-146, 60.8}, {-150, 59.5},
         {-154, 57.5}, {-158, 56.5}, {-163, 54.8}, {-160, 58.5}, {-162, 59.9}, {-165, 61.5},
         {-165, 63}, {-161, 64.5}, {-166.5, 64.7}},
        // Chukotka's tip beyond the date line
        {{-180, 65}, {-180, 69}, {-175, 67.5}, {-169.7, 66}, {-172, 64.5}, {-177, 65}},
        // Baffin Island, Victoria Island, Ellesmere Island, Newfoundland
        {{-80, 73.7}, {-72, 71.5}, {-66.5, 69}, {-61.5, 66.6}, {-64.5, 62.7}, {-68.5, 63.8},
         {-72.5, 64.5}, {-78, 64.5}, {-74, 68}, {-82, 70.2}, {-89, 71}},
        {{-118, 69}, {-104, 68.5}, {-101, 70}, {-105, 73}, {-114, 73}, {-119, 71.5}},
        {{-90, 76.5}, {-78, 76}, {-70, 78}, {-63, 81.5}, {-70, 82.8}, {-85, 82}, {-92, 80}},
        {{-59.3, 47.6}, {-56, 51.6}, {-55.4, 49.5}, {-53, 48}, {-53, 46.6}, {-55.7, 46.9}},
        // Greenland
        {{-73, 78.5}, {-60, 82}, {-40, 83.5}, {-20, 82.5}, {-12, 81.5}, {-18, 77}, {-19, 74},
         {-22, 70.5}, {-26, 68.5}, {-34, 66}, {-40, 65}, {-43.5, 60}, {-48, 61}, {-51, 64},
         {-53.5, 67}, {-54, 70}, {-57, 74}, {-66, 76.5}},
        // Cuba, Hispaniola
        {{-85, 21.9}, {-82, 23.1}, {-77.5, 21.9}, {-74.2, 20.2}, {-77.6, 19.9}, {-80, 21.8},
         {-81.6, 22.6}},
        {{-74.4, 19.8}, {-72, 19.9}, {-68.4, 18.6}, {-71.5, 17.7}, {-74.3, 18.3}},
        // South America
        {{-77.2, 8}, {-75.5, 10.5}, {-72, 12.3}, {-68, 10.5}, {-64, 10.6}, {-61.5, 10.5},
         {-60, 8.5}, {-57, 6}, {-52, 5}, {-50, 1.8}, {-49, -0.2}, {-44.5, -2.5}, {-40, -2.9},
         {-37, -4.8}, {-35.2, -5.5}, {-34.8, -8}, {-37, -11}, {-39, -14}, {-39, -17.5},
         {-40.5, -20.5}, {-42, -23}, {-46, -24}, {-48.5, -26.5}, {-49, -28.5}, {-51, -30.5},
         {-53, -33.7}, {-55, -34.9}, {-58.5, -34.5}, {-57.4, -36.3}, {-57.5, -38.2},
         {-62, -39}, {-62.3, -40.7}, {-65, -41}, {-63.7, -42.5}, {-65.3, -44.5},
         {-67.5, -46.5}, {-65.8, -47.8}, {-69, -51}, {-68.4, -52.4}, {-70, -54},
         {-67, -54.9}, {-71, -55.2}, {-74.5, -52.5}, {-75.5, -48}, {-74, -44}, {-73.5, -41},
         {-73.3, -37}, {-71.5, -32}, {-71.4, -28}, {-70.3, -23}, {-70.3, -18.3}, {-76, -14},
         {-78, -10}, {-79.5, -7}, {-81.3, -4.7}, {-80.3, -3.4}, {-80.5, -1}, {-80, 1},
         {-78.8, 1.8}, {-77.5, 4}, {-77.3, 7}},
        // Antarctica
        {{-180, -90}, {-180, -78}, {-160, -77}, {-150, -76}, {-140, -74.5}, {-120, -73.5},
         {-100, -73}, {-80, -73}, {-68, -70}, {-58, -63.5}, {-62, -66}, {-65, -70},
         {-60, -75}, {-45, -78}, {-30, -76}, {-20, -73}, {-10, -71}, {0, -70}, {20, -69.5},
         {40, -69}, {60, -67}, {80, -67}, {90, -66}, {110, -66}, {130, -66}, {150, -68},
         {165, -71}, {170, -72}, {165, -77}, {170, -78}, {180, -78}, {180, -90}},
    };
    return outlines;
}

// Inland seas cut out of the land after it is filled.
const std::vector<Outline>& seaOutlines()
{
    static const std::vector<Outline> outlines = {
        // Black Sea
        {{28, 41.3}, {28.6, 43.5}, {30, 45.5}, {30.7, 46.5}, {33, 46}, {32.5, 45.4},
         {33.5, 44.5}, {36, 45.2}, {38, 47}, {37.8, 44.7}, {41.6, 41.6}, {37, 41}, {35, 42},
         {31, 41.2}, {29, 41.1}},
        // Caspian Sea
        {{47, 45}, {49.5, 46.5}, {51.5, 47}, {53, 45.3}, {51, 44.5}, {52.7, 41.7}, {53, 40},
         {53.9, 37.3}, {51, 36.8}, {49, 37.5}, {49.5, 40.3}, {48, 42}, {47.5, 43.5}},
        // The Great Lakes as one patch
        {{-92, 46.8}, {-84.5, 46.5}, {-82.5, 45.5}, {-80, 44.5}, {-79, 43.3}, {-83, 42},
         {-84.5, 45.5}, {-87, 42}, {-88, 44.5}, {-88, 46}},
    };
    return outlines;
}

// Ice-covered land.
const std::vector<Outline>& iceOutlines()
{
    static const std::vector<Outline> outlines = {
        {{-70, 78.5}, {-60, 81.5}, {-40, 83}, {-22, 82}, {-16, 81}, {-21, 77}, {-22, 74},
         {-25, 70.5}, {-29, 68.8}, {-36, 66.6}, {-41.5, 65.8}, {-45, 61.5}, {-48.5, 62.5},
         {-50, 65}, {-51.5, 68}, {-52, 70.5}, {-55, 74.5}, {-64, 76.8}},
    };
    return outlines;
}

// Deterministic value noise in [0, 1) on an integer lattice.
double lattice(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u
                      + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / 16777216.0;
}

double smoothNoise(double x, double y, std::uint32_t seed, int period)
{
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    auto at = [&](int i, int j) { return lattice(((i % period) + period) % period, j, seed); };
    const double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}

// Fractal noise around 0.5, wrapping east-west; u in [0, 1) is the longitude fraction.
double fractalNoise(double u, double v, std::uint32_t seed)
{
    double sum = 0.0;
    double amplitude = 0.5;
    int period = 16;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * smoothNoise(u * period, v * period, seed + octave, period);
        amplitude *= 0.5;
        period *= 2;
    }
    return sum / 0.96875;
}

struct Blob {
    double lon, lat, spreadLon, spreadLat, strength;
};

// How dry the land is around a place, 0 (green) to 1 (desert).
double dryness(double lon, double lat)
{
    static const std::array<Blob, 12> blobs = {{
        {10, 25, 24, 8, 1.0},    // Sahara
        {46, 23, 10, 7, 1.0},    // Arabia
        {58, 31, 10, 5, 0.8},    // Iran
        {64, 44, 14, 4, 0.55},   // steppes
        {90, 41, 16, 4, 0.85},   // Taklamakan and Gobi
        {19, -24, 6, 5, 0.7},    // Kalahari and Namib
        {130, -25, 14, 6, 0.95}, // Australian interior
        {-112, 33, 7, 5, 0.7},   // North American deserts
        {-70, -23, 2.5, 7, 0.8}, // Atacama
        {-68, -44, 4, 6, 0.55},  // Patagonia
        {71, 27, 4, 3, 0.6},     // Thar
        {42, 5, 5, 5, 0.45},     // Horn of Africa
    }};
    double dry = 0.0;
    for (const Blob& b : blobs) {
        const double dl = (lon - b.lon) / b.spreadLon;
        const double dp = (lat - b.lat) / b.spreadLat;
        dry = std::max(dry, b.strength * std::exp(-(dl * dl + dp * dp)));
    }
    return dry;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Colour of the land by latitude and dryness, before any lighting.
QColor landColour(double lon, double lat, double noise)
{
    const QColor tropical(40, 122, 50);
    const QColor temperate(92, 148, 62);
    const QColor boreal(60, 106, 64);
    const QColor tundra(138, 136, 108);
    const QColor steppe(170, 158, 96);
    const QColor sand(226, 196, 134);
    const double a = std::abs(lat);
    QColor c = a < 20 ? tropical
             : a < 35 ? mix(tropical, temperate, (a - 20) / 15)
             : a < 55 ? mix(temperate, boreal, (a - 35) / 20)
                      : mix(boreal, tundra, (a - 55) / 12);
    double dry = std::clamp(dryness(lon, lat) * 1.4 - 0.1 + (noise - 0.5) * 1.4, 0.0, 1.0);
    dry = dry * dry * (3 - 2 * dry);  // sharper edges between green and desert
    c = dry < 0.5 ? mix(c, steppe, dry * 2) : mix(steppe, sand, (dry - 0.5) * 2);
    const double shade = 0.88 + (noise - 0.5) * 0.45;
    return QColor::fromRgbF(static_cast<float>(std::clamp(c.redF() * shade, 0.0, 1.0)),
                            static_cast<float>(std::clamp(c.greenF() * shade, 0.0, 1.0)),
                            static_cast<float>(std::clamp(c.blueF() * shade, 0.0, 1.0)));
}

// Box blur of a single-channel map, wrapping east-west and clamping north-south.
std::vector<float> blur(const std::vector<float>& in, int w, int h, int radius)
{
    std::vector<float> tmp(in.size());
    std::vector<float> out(in.size());
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k)
                s += in[y * w + ((x + k) % w + w) % w];
            tmp[y * w + x] = s * norm;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k)
                s += tmp[std::clamp(y + k, 0, h - 1) * w + x];
            out[y * w + x] = s * norm;
        }
    }
    return out;
}

// The Earth's surface as an equirectangular map: colour plus how much of each texel is land.
class WorldMap {
public:
    static constexpr int W = 2048;
    static constexpr int H = 1024;

    WorldMap()
    {
        const QImage land = rasterise(landOutlines(), seaOutlines());
        const QImage ice = rasterise(iceOutlines(), {});
        std::vector<float> mask(W * H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                mask[y * W + x] = static_cast<float>(qRed(land.pixel(x, y)) / 255.0);
        const std::vector<float> shelf = blur(blur(mask, W, H, 6), W, H, 6);

        const QColor deepSea(14, 46, 118);
        const QColor shallowSea(36, 98, 168);
        const QColor iceColour(236, 242, 248);
        colour_.resize(W * H);
        land_ = mask;
        for (int y = 0; y < H; ++y) {
            const double lat = 90.0 - (y + 0.5) * 180.0 / H;
            for (int x = 0; x < W; ++x) {
                const double lon = (x + 0.5) * 360.0 / W - 180.0;
                const double noise = fractalNoise(static_cast<double>(x) / W,
                                                  static_cast<double>(y) / W, 7);
                QColor ground = landColour(lon, lat, noise);
                double iceCover = qRed(ice.pixel(x, y)) / 255.0;
                if (lat < -62)
                    iceCover = 1.0;
                if (std::abs(lat) > 74)
                    iceCover = std::max(iceCover, std::clamp((std::abs(lat) - 74) / 4, 0.0, 1.0));
                ground = mix(ground, iceColour, iceCover * (0.92 + noise * 0.08));
                QColor sea = mix(deepSea, shallowSea, std::pow(shelf[y * W + x], 0.7) * 1.2);
                sea = mix(sea, deepSea.darker(115), (noise - 0.5) * 0.6);
                colour_[y * W + x] = mix(sea, ground, mask[y * W + x]).rgb();
            }
        }
    }

    // Bilinear sample at a longitude and latitude in degrees; `landShare` gets the land share.
    QRgb sample(double lon, double lat, double& landShare) const
    {
        const double fx = (lon + 180.0) / 360.0 * W - 0.5;
        const double fy = (90.0 - lat) / 180.0 * H - 0.5;
        const int x0 = static_cast<int>(std::floor(fx));
        const int y0 = static_cast<int>(std::floor(fy));
        const double tx = fx - x0;
        const double ty = fy - y0;
        double r = 0, g = 0, b = 0, l = 0;
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 2; ++i) {
                const double wgt = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
                const int x = ((x0 + i) % W + W) % W;
                const int y = std::clamp(y0 + j, 0, H - 1);
                const QRgb c = colour_[y * W + x];
                r += wgt * qRed(c);
                g += wgt * qGreen(c);
                b += wgt * qBlue(c);
                l += wgt * land_[y * W + x];
            }
        }
        landShare = l;
        return qRgb(static_cast<int>(r + 0.5), static_cast<int>(g + 0.5), static_cast<int>(b + 0.5));
    }

private:
    static QImage rasterise(const std::vector<Outline>& fill, const std::vector<Outline>& cut)
    {
        QImage img(W, H, QImage::Format_RGB32);
        img.fill(Qt::black);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        auto toMap = [](const Outline& o) {
            QPolygonF poly;
            for (const QPointF& pt : o)
                poly << QPointF((pt.x() + 180.0) / 360.0 * W, (90.0 - pt.y()) / 180.0 * H);
            return poly;
        };
        p.setBrush(Qt::white);
        for (const Outline& o : fill)
            p.drawPolygon(toMap(o));
        p.setBrush(Qt::black);
        for (const Outline& o : cut)
            p.drawPolygon(toMap(o));
        return img;
    }

    std::vector<QRgb> colour_;
    std::vector<float> land_;
};

const WorldMap& worldMap()
{
    static const WorldMap map;
    return map;
}

}  // namespace

void paintGlobe(QImage& target, double cx, double cy, double radius, const GlobeView& view)
{
    const WorldMap& map = worldMap();

    // Unit vectors of the view in world coordinates (x towards 0E 0N, y towards 90E, z north):
    // the point under the viewer, local east and local north there.
    const double lon0 = view.centreLon * kDeg;
    const double lat0 = view.centreLat * kDeg;
    const double c[3] = {std::cos(lat0) * std::cos(lon0), std::cos(lat0) * std::sin(lon0),
                         std::sin(lat0)};
    const double e[3] = {-std::sin(lon0), std::cos(lon0), 0.0};
    const double n[3] = {-std::sin(lat0) * std::cos(lon0), -std::sin(lat0) * std::sin(lon0),
                         std::cos(lat0)};
    const double cosRoll = std::cos(view.roll * kDeg);
    const double sinRoll = std::sin(view.roll * kDeg);

    const double lightLen = std::hypot(view.lightX, view.lightY, view.lightZ);
    const double lx = view.lightX / lightLen, ly = view.lightY / lightLen,
                 lz = view.lightZ / lightLen;
    // Half-way vector between light and viewer, for the glint on the sea.
    const double hLen = std::hypot(lx, ly, lz + 1.0);
    const double hx = lx / hLen, hy = ly / hLen, hz = (lz + 1.0) / hLen;

    const double outer = radius * (1.0 + view.haloWidth);
    const int x0 = std::max(0, static_cast<int>(std::floor(cx - outer)));
    const int x1 = std::min(target.width() - 1, static_cast<int>(std::ceil(cx + outer)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy - outer)));
    const int y1 = std::min(target.height() - 1, static_cast<int>(std::ceil(cy + outer)));
    constexpr int kSub = 4;  // supersamples per pixel side

    for (int py = y0; py <= y1; ++py) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(py));
        for (int px = x0; px <= x1; ++px) {
            double accR = 0, accG = 0, accB = 0, accA = 0;  // premultiplied
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const double vx = (px + (sx + 0.5) / kSub - cx) / radius;
                    const double vy = (cy - (py + (sy + 0.5) / kSub)) / radius;
                    const double r2 = vx * vx + vy * vy;
                    if (r2 > 1.0) {
                        // The thin glow of the atmosphere outside the limb, brighter towards the light.
                        const double d = (std::sqrt(r2) - 1.0) / view.haloWidth;
                        if (d >= 1.0)
                            continue;
                        const double r = std::sqrt(r2);
                        const double facing = std::clamp(0.35 + 0.9 * (vx * lx + vy * ly) / r, 0.0, 1.0);
                        const double a = (1.0 - d) * (1.0 - d) * 0.55 * facing;
                        accR += a * 110;
                        accG += a * 165;
                        accB += a * 255;
                        accA += a;
                        continue;
                    }
                    const double vz = std::sqrt(1.0 - r2);
                    // Undo the roll, then turn the view direction into world coordinates.
                    const double ux = vx * cosRoll + vy * sinRoll;
                    const double uy = -vx * sinRoll + vy * cosRoll;
                    const double wx = ux * e[0] + uy * n[0] + vz * c[0];
                    const double wy = ux * e[1] + uy * n[1] + vz * c[1];
                    const double wz = ux * e[2] + uy * n[2] + vz * c[2];
                    const double lat = std::asin(std::clamp(wz, -1.0, 1.0)) / kDeg;
                    const double lon = std::atan2(wy, wx) / kDeg;
                    double landShare = 0;
                    const QRgb base = map.sample(lon, lat, landShare);

                    // Soft terminator: diffuse light wrapped a little past the edge of the lit side.
                    const double diffuse = vx * lx + vy * ly + vz * lz;
                    const double lit = std::pow(std::clamp((diffuse + 0.18) / 1.18, 0.0, 1.0), 0.85);
                    const double shade = 0.06 + 1.1 * lit;
                    double r = qRed(base) * shade;
                    double g = qGreen(base) * shade;
                    double b = qBlue(base) * shade;
                    // Glint of the sun on open water.
                    const double glint = std::pow(std::max(0.0, vx * hx + vy * hy + vz * hz), 60.0)
                                        * 0.4 * (1.0 - landShare) * lit;
                    r += glint * 255;
                    g += glint * 250;
                    b += glint * 235;
                    // Haze of the atmosphere thickening towards the limb.
                    const double rim = std::pow(1.0 - vz, 2.2) * 0.75;
                    r += (110 * lit + 8 - r) * rim;
                    g += (165 * lit + 12 - g) * rim;
                    b += (255 * lit + 30 - b) * rim;
                    accR += std::clamp(r, 0.0, 255.0);
                    accG += std::clamp(g, 0.0, 255.0);
                    accB += std::clamp(b, 0.0, 255.0);
                    accA += 1.0;
                }
            }
            constexpr double kSamples = kSub * kSub;
            const double a = accA / kSamples;
            if (a <= 0.0)
                continue;
            // Source over destination, both premultiplied.
            const QRgb dst = line[px];
            const double keep = 1.0 - a;
            const int outR = static_cast<int>(std::lround(accR / kSamples + qRed(dst) * keep));
            const int outG = static_cast<int>(std::lround(accG / kSamples + qGreen(dst) * keep));
            const int outB = static_cast<int>(std::lround(accB / kSamples + qBlue(dst) * keep));
            const int outA = static_cast<int>(std::lround(a * 255 + qAlpha(dst) * keep));
            line[px] = qRgba(std::min(outR, outA), std::min(outG, outA), std::min(outB, outA),
                             std::min(outA, 255));
        }
    }
}

}  // namespace artwork
