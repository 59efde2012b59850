#pragma once

// The named colours the popover and the detail panel draw with; PopoverStyle turns them into QColors.
enum class Tint { primary, secondary, accent, red, orange, blue, yellow };
