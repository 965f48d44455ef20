#include "app/WindowProcedure.h"

#include "client/render/RenderContext.h"
#include "core/Input.h"
#include "core/TextField.h"

intptr_t windowProcedure(const platform::Message& message) {
    switch (message.code) {
    case platform::MessageSize:
        resizeView();
        ClientWidth = static_cast<int32_t>(message.lParam & 0xFFFF);
        ClientHeight = static_cast<int32_t>((message.lParam >> 16) & 0xFFFF);
        return 0;
    case platform::MessageActivate: {
        const auto state = message.wParam & 0xFFFF;
        if (state == 0)
            AppActive = 0;
        else if (state == 1 || state == 2)
            AppActive = 1;
        return 0;
    }
    case platform::MessagePaint:
        return 0;
    case platform::MessageClose:
        platform::postQuitMessage(0);
        return 0;
    case platform::MessageKeyDown:
        textEntryKeyDown(static_cast<int>(message.wParam));
        return 0;
    case platform::MessageMouseWheel:
        addWheelTravel(static_cast<int16_t>((message.wParam >> 16) & 0xFFFF));
        return 0;
    case platform::MessageChar:
        textEntryCharacter(static_cast<unsigned int>(message.wParam));
        return 0;
    default:
        return 0;
    }
}
