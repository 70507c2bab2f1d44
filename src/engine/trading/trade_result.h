#pragma once
// A refused trade is an ordinary result; the window or console driver sounds the beep.
enum class Trade_Result { Done, Refused };
