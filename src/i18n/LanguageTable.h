// The language table: 24 languages, each with its texts.
#pragma once
