#pragma once
// Finding the frame that belongs to a form. The menus, the edits and the frames themselves use these
// whenever they need the frame of a form.
class TCustomForm;
class TskSkinForm;

/// The first frame the form owns, in component order; null for a null form or a form without one.
TskSkinForm* GetSkinFormComponent(TCustomForm* AForm);
/// The frame of the main form's first MDI child (creation order) whose requested skinned state is
/// maximized; null when none.
TskSkinForm* GetMaximizedMDIChildSkinForm();
/// The frame of the main form's active MDI child; null without a main form or an active child.
TskSkinForm* GetActiveMDIChildSkinForm();
