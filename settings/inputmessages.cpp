#include "obsinput.h"

namespace quorvel {

const char* inputmessage(InputFault fault) {
    switch (fault) {
        case InputFault::date: return MESSAGE_TEXT("Message", "Please check the date entered.");
        case InputFault::time: return MESSAGE_TEXT("Message", "Please check the time entered.");
        case InputFault::zone:
            return MESSAGE_TEXT("Message", "Please check time difference value. This is the difference in hours between "
                   "your Standard Time (not Daylight Saving Time) and Universal Time (Greenwich "
                   "Mean Time).   Time differences for zones west of Greenwich are entered as "
                   "negative.");
        case InputFault::place: return MESSAGE_TEXT("Message", "Please check the latitude and longitude entered.");
        case InputFault::none: break;
    }
    return "";
}

}  // namespace quorvel
