// Placeholder until the platform layer lands.
#pragma once
