// The 0 ... 65535 level scale over an endpoint's decibel range: linear in
// amplitude between the lowest and the highest level. Every step truncates
// and works in single precision, so a level read back can be a few steps
// below the one written.
#pragma once

namespace dorvane {

int DecibelToPosition(float lo, float hi, float decibels);
float PositionToDecibel(float lo, float hi, int position);

}  // namespace dorvane
