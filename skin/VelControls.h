#pragma once
// Every skinned control, for screens that use many of them.

#include "skin/AALabel.h"
#include "skin/ALScrollBar.h"
#include "skin/MyHint.h"
#include "skin/Vel3ObrazkiFrame.h"
#include "skin/VelBelka.h"
#include "skin/VelCheckBox.h"
#include "skin/VelDialogWindow.h"
#include "skin/VelDymek.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelListBox.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/VelZeszytStatystyki.h"
#include "skin/WOwnrScrllBar.h"
#include "skin/uFrmMsgBox.h"
#include "skin/uSkin.h"
