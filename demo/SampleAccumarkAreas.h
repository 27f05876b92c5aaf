#pragma once

namespace demo {

// Two Accumark storage areas on drive D, PRIMAVERA and UOMO, with a few model descriptions each
// in the layout the stand-in dump utility reads (DMPMODEL's NAME.MOD files). Only missing files
// are written.
class SampleAccumarkAreas {
public:
    static void layOut();
};

} // namespace demo
