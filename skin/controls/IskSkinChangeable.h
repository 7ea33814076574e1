#pragma once
// What the form frame's skin-change walk (skSkinChangeWalk.h) needs of a skinned control, whatever its
// base: the model it is bound to and the re-reading of its skin. Every class that keeps a skin binding
// implements it, so a skin change reaches controls that are not on the skinned control bases (edits,
// labels, page, tree and list views).
class TskSkinData;

/// A control a skin change reaches; see the file comment.
class IskSkinChangeable {
public:
  virtual ~IskSkinChangeable() = default;

  /// The model the control is bound to; null for none.
  virtual TskSkinData* SkinData() const = 0;
  /// Reads the skin again and repaints.
  virtual void ChangeSkinData() = 0;
};
