#pragma once

// Everything the windows need to talk to the player outside the main window.
#include "ui/boxes/app_message_box.h"
#include "ui/boxes/application_window.h"
#include "ui/boxes/error_report.h"
#include "ui/boxes/message_form.h"
#include "ui/boxes/modal_result.h"
#include "ui/boxes/string_table.h"
#include "ui/boxes/text_prompt.h"
