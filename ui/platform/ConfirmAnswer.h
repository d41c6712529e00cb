#pragma once

// The answers of the "Confirm" box, numbered as the box's results: only Yes leads to saving;
// closing the box by its close box acts as No.
enum class ConfirmAnswer { Closed = 2, Yes = 6, No = 7 };
