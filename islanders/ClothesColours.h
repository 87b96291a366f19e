// The starting garment colours of new islanders, by sex and garment, in the
// groups their draws choose between. Alpha is always opaque.
#pragma once

#include "Types.h"

namespace clothes_colours {

constexpr RGBA_data kManTopPlain[] = {{186, 166, 140, 255}, {199, 160, 111, 255}, {179, 145, 102, 255},
                                      {160, 130, 93, 255},  {154, 123, 110, 255}, {217, 210, 166, 255},
                                      {112, 91, 100, 255},  {135, 109, 105, 255}, {202, 221, 185, 255},
                                      {158, 203, 203, 255}, {214, 230, 230, 255}};
constexpr RGBA_data kManTopBright[] = {{191, 209, 128, 255}, {139, 170, 99, 255}, {255, 139, 95, 255}};
constexpr RGBA_data kManTopBlue[] = {{155, 175, 212, 255}};

// Entries 3 and 4 are one colour: that brown is drawn twice as often.
constexpr RGBA_data kManBottomPlain[] = {{196, 141, 106, 255}, {171, 142, 112, 255}, {155, 111, 82, 255},
                                         {138, 104, 91, 255},  {138, 104, 91, 255},  {111, 135, 154, 255},
                                         {111, 88, 105, 255}};
constexpr RGBA_data kManBottomGreen[] = {{147, 152, 102, 255}, {116, 142, 106, 255}, {148, 103, 103, 255},
                                         {137, 114, 133, 255}};
constexpr RGBA_data kManBottomBlue[] = {{122, 151, 156, 255}, {128, 162, 168, 255}, {147, 171, 175, 255},
                                        {104, 129, 144, 255}};

constexpr RGBA_data kWomanTopPlain[] = {{199, 160, 111, 255}, {176, 141, 98, 255},  {154, 123, 110, 255},
                                        {112, 91, 100, 255},  {255, 200, 171, 255}, {210, 164, 184, 255},
                                        {217, 210, 166, 255}};
constexpr RGBA_data kWomanTopBright[] = {{190, 167, 206, 255}, {255, 139, 95, 255},  {255, 163, 128, 255},
                                         {255, 161, 208, 255}, {157, 192, 207, 255}, {214, 230, 230, 255},
                                         {202, 221, 185, 255}, {191, 209, 128, 255}};

constexpr RGBA_data kWomanBottomPlain[] = {{196, 141, 106, 255}, {171, 142, 112, 255}, {155, 111, 82, 255},
                                           {138, 104, 91, 255},  {147, 152, 102, 255}, {132, 118, 119, 255},
                                           {111, 88, 105, 255},  {122, 151, 156, 255}};
constexpr RGBA_data kWomanBottomBright[] = {{159, 93, 101, 255}, {116, 142, 106, 255}, {171, 112, 155, 255},
                                            {223, 114, 96, 255}, {233, 109, 121, 255}};
constexpr RGBA_data kWomanBottomBlue[] = {{104, 129, 144, 255}, {147, 171, 175, 255}};

}  // namespace clothes_colours
