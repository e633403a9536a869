#pragma once
// The program-wide "go on" of the disk runs: set when a disk backup or
// restore starts, cleared by Abort and by a destination that cannot be
// made; the archive progress handlers hand it to the engine as Continue.
namespace arkwell::disk {

struct RunControl {
  bool RunFlag = false;
};

}  // namespace arkwell::disk
