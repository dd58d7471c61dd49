# Convenience front end to the CMake build.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all test bench run clean

all: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target zelvan

$(BUILD)/Makefile:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

test: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Times one base run of each example (Google Benchmark).
bench: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS) --target bench

# Runs the default example in a scratch copy, answering the prompt for the
# results file with RESULTS.TXT.
run: all
	rm -rf $(BUILD)/run-holstein
	cp -r examples/holstein $(BUILD)/run-holstein
	cd $(BUILD)/run-holstein && echo RESULTS.TXT | ../zelvan

clean:
	rm -rf $(BUILD)
